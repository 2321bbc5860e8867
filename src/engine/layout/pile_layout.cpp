// Lays out the table: runs the steps of a pass, restarts when the last
// reserve of arrangement 005 lies in a tableau's way, then the finishing
// touches (waste row, horizontal fan room, scroll position).
#include "engine/layout/pile_layout.h"

#include <optional>
#include <string>

#include "engine/layout/fit_window.h"
#include "engine/layout/layout_pass.h"
#include "engine/model/engine.h"
#include "engine/model/pile_lists.h"

namespace velmora {

namespace {

// How many times the layout restarts for a reserve in the way. A restart
// only helps the fixed-gap row (the only one that takes the forced start),
// and for it one is enough; the bound keeps every other case finite.
constexpr int kMaxRestarts = 3;
// The band around a tableau that the last reserve must keep clear of.
constexpr int kReserveClearance = 85;

void RunPass(LayoutPass& p) {
    MarkPilesUnplaced(p.e.main_game, p.e.tableau_anchors);
    ComputeRows(p);
    ComputeLeftMargin(p);
    ComputeFanRooms(p);
    if (!PlaceRegularTableaus(p)) PlaceFigureTableaus(p);
    PlaceStockAndWaste(p);
    PlaceFoundations(p);
    CentreTableausUnderFoundations(p);
    PlaceReserves(p);
    PlaceSecondWaste(p);
}

// The forced start X when the last reserve of arrangement 005 overlaps the
// band around a tableau; nothing when it is clear.
std::optional<int> ReserveInTheWay(const LayoutPass& p) {
    const int last = p.reserve_count - 1;
    if (p.reserve_code != 5 || last < 0 || !p.ReservePlaced(last)) return std::nullopt;
    const Rect reserve{p.ReserveX(last), p.ReserveY(last), p.ReserveX(last) + p.W, p.ReserveY(last) + p.H};
    for (int i = 0; i < p.tableau_count; ++i) {
        if (!p.TableauPlaced(i)) continue;
        const int x = p.TableauX(i);
        const int y = p.TableauY(i);
        const Rect band{x - kReserveClearance, y, x + p.W + kReserveClearance, y + p.H};
        if (reserve.Intersects(band)) {
            const int start = reserve.right + 86;
            return start < 1 ? p.left_margin : start;
        }
    }
    return std::nullopt;
}

void Finish(LayoutPass& p) {
    // A waste placed without a row of its own lies level with the stock.
    const bool waste_without_row = IsPlacedY(p.DeckX(kWasteIndex)) && !IsPlacedY(p.DeckY(kWasteIndex));
    if (waste_without_row && p.DeckPlaced(kStockIndex)) p.SetDeckY(kWasteIndex, p.DeckY(kStockIndex));
    TableGeometry& g = p.e.geometry;
    if (p.e.R(3) == 2 && p.TableauPlaced(0)) {
        if (p.TableauPlaced(1) && p.TableauY(0) == p.TableauY(1))
            g.horizontal_fan_room = p.TableauX(1) - p.TableauX(0);
        else if (p.FoundationPlaced(0))
            g.horizontal_fan_room = p.FoundationX(0) - p.TableauX(0);
    }
    p.e.main_game.SetField(field::kScrollOffset, p.in.scroll_position);
}

}  // namespace

LayoutInputs MainWindowInputs(int window_width, int window_height, int scroll_bar_width, int toolbar_bottom,
                              int screen_width, int screen_height, int client_height) {
    LayoutInputs in;
    in.left = 0;
    in.top = toolbar_bottom > 0 ? toolbar_bottom : 5;
    in.bottom = (client_height >= 0 ? client_height : window_height) - 1;
    in.available_width = window_width - scroll_bar_width;
    in.available_height = window_height;
    in.screen_width = screen_width;
    in.screen_height = screen_height;
    return in;
}

LayoutInputs PreviewInputs(int width, int height) {
    LayoutInputs in;
    in.left = 0;
    in.top = 3;
    in.bottom = height;
    in.available_width = width;
    in.available_height = height;
    // The picture is the whole "screen" of a preview.
    in.screen_width = width;
    in.screen_height = height;
    in.preview = true;
    return in;
}

char CardSizeLetter(const Engine& engine) {
    const std::string letter = engine.params.ParamRead(param::kCardSize, 1);
    return letter.empty() ? ' ' : letter.front();
}

void LayOutWithCardSize(Engine& engine, const LayoutInputs& inputs) {
    TableGeometry& g = engine.geometry;
    g.forced_start_x = 0;
    for (int restarts = 0;; ++restarts) {
        LayoutPass pass(engine, inputs);
        RunPass(pass);
        const std::optional<int> start = ReserveInTheWay(pass);
        // A restart that would force the same start finds the same overlap.
        if (!start || restarts == kMaxRestarts || *start == g.forced_start_x) {
            Finish(pass);
            return;
        }
        g.forced_start_x = *start;
    }
}

void LayOutTable(Engine& engine, const LayoutInputs& inputs) {
    TableGeometry& g = engine.geometry;
    g.shadow_offset = engine.params.ParamRead(param::kCardsShadowed, 1) != "N" ? 9 : 0;
    const char letter = CardSizeLetter(engine);
    if (letter == kFitWindowLetter) {
        LayOutToFitWindow(engine, inputs);
        return;
    }
    g.inputs = inputs;
    CardSizeForLetter(letter, g.card);
    LayOutWithCardSize(engine, inputs);
}

void LayOutTableForWindow(Engine& engine, const LayoutInputs& inputs) {
    LayOutTable(engine, inputs);
    // Cards the player chose too big for this window and game: the largest
    // that fit, so that no pile lies outside the window or on another.
    if (CardSizeLetter(engine) != kFitWindowLetter && !PilesFitAcross(engine, inputs))
        LayOutToFitWindow(engine, inputs, engine.geometry.card.width);
}

}  // namespace velmora
