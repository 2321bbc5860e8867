#pragma once
// What every table drawing routine works with: the engine (the piles and
// where they lie), the surfaces, the card images, the pacer that shows the
// window, and what the drawing remembers between calls.
//
// All coordinates given to the drawing routines are window coordinates, as
// the card positions return them. The window shows the back buffer from the
// scroll position down, so a drawing on the back buffer adds the scroll
// position to its y; the background image lies like the back buffer.

#include <QRect>

#include <array>
#include <map>

#include "platform/surface.h"
#include "render/mark_overlay.h"
#include "render/soft_shadow.h"
#include "render/table_surfaces.h"

namespace velmora {

class CardImages;
class ResourceLibrary;
struct Engine;

// Where a drawing goes.
enum class Layer { Window, BackBuffer };

// Below this a coordinate marks a pile that is not on the table.
inline constexpr int kUnsetCoordinate = -9999;
inline bool IsUnsetPoint(int x, int y) { return x < kUnsetCoordinate || y < kUnsetCoordinate; }

// The stock thickness last drawn for a deck pile: its depth and anchor.
struct DeckMemo {
    int depth = -1;  // -1: nothing drawn yet
    int x = 0;
    int y = 0;
    bool operator==(const DeckMemo&) const = default;
};

// The run being carried or flown: its picture and where the window shows it.
struct DragImage {
    Surface image;
    QImage coverage;    // where its cards lie (CardCoverage)
    SoftShadow shadow;  // made at the first move with shadows on
    QRect rect;         // window coordinates of the picture now
    QRect shown;        // what the window shows of it and its shadow now
    int cards = 0;      // cards in the run; 0 when there is no drag image
};

struct RenderState {
    std::array<DeckMemo, 3> deck;
    DragImage drag;
    // Set while a card flies: the flight draws no shadows.
    bool shadows_suspended = false;
    // Changed in the back buffer and not yet copied to the window (window
    // coordinates); empty when the window is up to date.
    QRect dirty;
    // The empty-pile marks read as shapes, by their picture (cache key).
    std::map<qint64, MarkOverlay> marks;
};

struct DrawContext {
    Engine& engine;
    TableSurfaces& surfaces;
    const CardImages& images;
    const ResourceLibrary& library;
    Pacer& pacer;
    RenderState& state;

    Surface& On(Layer layer) const;
    // What a drawing on `layer` adds to its y.
    int Shift(Layer layer) const;
    // Notes a change of `rect` (window coordinates) on `layer`: the window
    // is invalidated there, the back buffer remembers it for the next flush.
    void Touched(Layer layer, const QRect& rect) const;

    int CardWidth() const;
    int CardHeight() const;
    // The face picture of a card: the card it shows in decks of fewer suits.
    const Surface& FaceOf(int code) const;
    QRect CardAt(int x, int y) const { return QRect(x, y, CardWidth(), CardHeight()); }
    // Shadows of a carried run: "Cards_Shadowed" not "N" and no flight.
    bool ShadowsOn() const;
    int ShadowOffset() const;
};

// Copies `rect` (window coordinates) of the background image onto `layer`.
void RestoreBackground(const DrawContext& ctx, Layer layer, const QRect& rect);

// Copies what changed in the back buffer since the last flush to the window.
void FlushToWindow(const DrawContext& ctx);
// The window's paint: the back buffer from the scroll position, window-sized.
void RefreshWindow(const DrawContext& ctx);
// One rectangle (window coordinates) from the back buffer to the window.
void RefreshRect(const DrawContext& ctx, const QRect& rect);

}  // namespace velmora
