#pragma once
// The layout of the table: from the current game's layout codes, row digits
// and pile counts, the size of the window and of the screen, it computes the
// anchor of every pile, the card size, the shadow offset and the fan rooms.
// The same procedure lays out the main window and a game's preview picture.

#include "engine/layout/table_geometry.h"

namespace velmora {

struct Engine;

// The inputs of the main window: `toolbar_bottom` is the bottom edge of the
// visible toolbar panel, 0 when no toolbar is shown (the top is then 5).
// The bottom is the client height - 1; a `client_height` below 0 takes the
// window height for it.
LayoutInputs MainWindowInputs(int window_width, int window_height, int scroll_bar_width, int toolbar_bottom,
                              int screen_width, int screen_height, int client_height = -1);
// The inputs of a game preview picture (300 by 185 in the game selection);
// the picture stands for the screen too.
LayoutInputs PreviewInputs(int width = 300, int height = 185);

// The card size letter at parameter position 128 (a space when empty).
char CardSizeLetter(const Engine& engine);

// Lays out the current game: every anchor reset to its unplaced marker and
// computed again; the results go to engine.main_game, engine.tableau_anchors
// and engine.geometry.
void LayOutTable(Engine& engine, const LayoutInputs& inputs);

// The table for a window: laid out as above, and when the card size the
// player chose does not fit this window and game, with the largest cards
// up to that size that do.
void LayOutTableForWindow(Engine& engine, const LayoutInputs& inputs);

}  // namespace velmora
