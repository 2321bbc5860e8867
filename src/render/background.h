#pragma once
// The table's background: a plain colour, a colour fading to black, a tiled
// or placed picture from the resource library, or a picture file of the
// player's own. It is painted into the surface the table is drawn on,
// before any card, and becomes the table's background (the source of every
// erase).

#include <QRgb>
#include <QSize>

#include <cstdint>
#include <string>

#include "platform/desktop.h"

namespace velmora {

class ResourceLibrary;
class Surface;
struct Engine;
struct TableSurfaces;

enum class BackgroundKind { Default, Colour, Picture, PlayersPicture };

struct BackgroundChoice {
    BackgroundKind kind = BackgroundKind::Default;
    QRgb colour = 0;   // Colour: the plain colour
    bool fade = false;  // Colour: fades to black downwards
    int picture = 0;    // Picture: "B" + three digits; tiled below 500, placed from 500
    std::string file;   // PlayersPicture: as the settings hold it
};

// The default table: a darker green where the screen shows more than 256 colours.
QRgb DefaultTableColour(int64_t screen_colours);

// What the settings ask for: the default table, the player's picture, a
// picture number, else the fixed colour when above 0, else the chosen colour.
BackgroundChoice ChooseBackground(const Engine& engine, int64_t screen_colours);

// Paints `target` for a table of `extent` (the table's extent, of which the
// target holds the top left part; a sample picture's own size). False, with nothing painted, when the picture cannot
// be had (a player's file missing, unreadable or not a picture, or a
// library picture that is missing).
bool PaintBackground(Surface& target, QSize extent, const BackgroundChoice& choice,
                     const ResourceLibrary& library, int64_t screen_colours);

// Chooses the background from the settings and paints `target` (normally
// the back buffer) and, unless `target_only`, makes it the table's
// background too. A
// player's picture that cannot be loaded is reported ("Customized background
// image not found: " + path), the settings are switched to the default table
// so the message does not come back, and the default table is painted.
void DrawBackground(TableSurfaces& surfaces, Engine& engine, const ResourceLibrary& library,
                    Surface& target, bool target_only = false,
                    int64_t screen_colours = ScreenColorCount());

// Paints the top left of the table's background on `target`, as much as
// the background holds.
void CopyBackground(const TableSurfaces& surfaces, Surface& target);

}  // namespace velmora
