#pragma once
// The label above the foundations that says which card a joker stands for:
// a white box, 59 by 14 pixels, reading "Joker = " and the rank, with the
// suit's symbol at its right end. The engine decides the label (see
// engine/play/joker_labels.h); this draws and clears the boxes.

#include <string>

#include "engine/layout/table_geometry.h"

namespace velmora {

class Pacer;
class ResourceLibrary;
struct Engine;
struct TableSurfaces;

inline constexpr int kJokerLabelWidth = 59;
inline constexpr int kJokerLabelHeight = 14;

// "Joker = 7"; a two-character rank text gives "Joker=10".
std::string JokerLabelText(int rank);

// The box of foundation `foundation` (0-based), window coordinates: centred
// on the foundation's x, 18 pixels above foundation 1.
Rect JokerLabelBox(const Engine& engine, int foundation);

// Draws the label of foundation `foundation` at window height `y` for a
// rank 1-13 and suit 0-3 (hearts, diamonds, clubs, spades); any other rank
// clears the box from the background image. On the window and the back
// buffer; the window is updated.
void DrawJokerLabel(TableSurfaces& surfaces, const Engine& engine, const ResourceLibrary& library,
                    Pacer& pacer, int foundation, int y, int suit, int rank);

// What the engine asks for when the label changes (TableView::ShowJokerLabel):
// the boxes of every other foundation in use are cleared, then the label of
// `foundation` is drawn or cleared.
void ShowJokerLabel(TableSurfaces& surfaces, const Engine& engine, const ResourceLibrary& library,
                    Pacer& pacer, int foundation, int rank, int suit);

}  // namespace velmora
