#pragma once
// The mark on a completed foundation: when a foundation holds exactly the
// number of cards it is built to, its top card is covered with a pattern in
// the player's chosen colour (setting "HighLights_Foundations_Mark" for the
// style, "HighLights_Foundations_Color" for the colour).

#include <QRgb>

namespace velmora {

class Pacer;
class Surface;
struct Engine;
struct TableSurfaces;

// Styles of the mark; 0 draws none.
enum HighlightStyle : int {
    kHighlightNone = 0,
    kHighlightDiagonalDots = 1,  // diagonal lines every second pixel, corners left out
    kHighlightSolid = 2,
    kHighlightRising = 3,        // hatch of rising diagonal lines
    kHighlightCross = 4,
    kHighlightDiagonalCross = 5,
};

// The colour of highlight number 0-14; black for any other number.
QRgb HighlightColour(int number);

// Draws the mark of `style` over the rectangle (x, y, width, height), one
// pixel smaller on every side when `inset` is set. Unknown styles draw nothing.
void DrawHighlight(Surface& target, int x, int y, int width, int height, bool inset, int colour_number,
                   int style);

// The number of cards foundation `index` (0-based) is complete with: rules
// entry 112 + index, or entry 31 when that is -1.
int FoundationTarget(const Engine& engine, int index);

// Marks foundation `foundation` (0-based), or every foundation in use for
// -1, when it is complete: on its top card in the back buffer and on the
// window, which is invalidated there. Nothing is drawn while the style
// (TMainGame field 103) is 0.
void HighlightFoundations(TableSurfaces& surfaces, const Engine& engine, Pacer& pacer, int foundation);

}  // namespace velmora
