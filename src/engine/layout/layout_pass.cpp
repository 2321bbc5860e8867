#include "engine/layout/layout_pass.h"

#include <algorithm>
#include <string>

#include "engine/model/engine.h"
#include "engine/model/pile_lists.h"

namespace velmora {

namespace {

// Window and screen sizes beyond this are taken as this, so that no sum of
// the layout leaves the range of int.
constexpr int kInputLimit = 30000;

int ClampInput(int value) { return std::clamp(value, -kInputLimit, kInputLimit); }

LayoutInputs ClampInputs(LayoutInputs in) {
    for (int* value : {&in.left, &in.top, &in.bottom, &in.available_width, &in.available_height,
                       &in.screen_width, &in.screen_height, &in.scroll_position})
        *value = ClampInput(*value);
    return in;
}

int Count(const Engine& e, int entry, int slots) { return std::clamp(e.R(entry), 0, slots); }

}  // namespace

char RowDigit(int value) { return std::to_string(value).front(); }

int ClampAnchor(int value) { return std::clamp(value, kPlacedMinimum, 32767); }

LayoutPass::LayoutPass(Engine& engine, const LayoutInputs& inputs) : e(engine), in(ClampInputs(inputs)) {
    using namespace layout_entry;
    W = e.geometry.card.width;
    H = e.geometry.card.height;
    shadow = e.geometry.shadow_offset;
    low = in.available_height < 500;
    small_screen = in.screen_height < 500;
    available_width = low ? in.available_width - 10 : in.available_width;
    K = available_width - 2;
    E = in.bottom - in.top;
    row_gap = low ? 5 : 10;
    stock_code = e.R(kStockCode);
    foundation_code = e.R(kFoundationCode);
    tableau_code = e.R(kTableauCode);
    reserve_code = e.R(kReserveCode);
    second_waste_code = e.R(kSecondWasteCode);
    stock_digit = RowDigit(e.R(kStockRow));
    foundation_digit = RowDigit(e.R(kFoundationRow));
    tableau_digit = RowDigit(e.R(kTableauRow));
    reserve_digit = RowDigit(e.R(kReserveRow));
    second_waste_digit = RowDigit(e.R(kSecondWasteRow));
    // The stock group covers the stock and the waste.
    deck_count = Count(e, kStockCount, 2);
    foundation_count = Count(e, kFoundationCount, kFoundationPiles);
    tableau_count = Count(e, kTableauCount, kTableauPiles);
    reserve_count = Count(e, kReserveCount, kReservePiles);
    second_waste_count = Count(e, kSecondWasteCount, 1);
}

std::optional<int> LayoutPass::RowFor(char digit, bool zero_is_row1) const {
    if (digit == '0' && zero_is_row1) return rows.row[1];
    if (digit >= '1' && digit <= '6') return rows.row[static_cast<size_t>(digit - '0')];
    return std::nullopt;
}

void LayoutPass::SetTableau(int i, int x, int y) {
    if (i < 0 || i >= kTableauPiles) return;
    velmora::SetTableauX(e.tableau_anchors, i, ClampAnchor(x));
    velmora::SetTableauY(e.tableau_anchors, i, ClampAnchor(y));
}

void LayoutPass::SetFoundation(int i, int x, int y) {
    if (i < 0 || i >= kFoundationPiles) return;
    e.main_game.SetFoundationX(i, ClampAnchor(x));
    e.main_game.SetFoundationY(i, ClampAnchor(y));
}

void LayoutPass::SetReserve(int i, int x, int y) {
    if (i < 0 || i >= kReservePiles) return;
    e.main_game.SetReserveX(i, ClampAnchor(x));
    e.main_game.SetReserveY(i, ClampAnchor(y));
}

void LayoutPass::SetDeck(int slot, int x, int y) {
    if (slot < 0 || slot >= kStockAreaPiles) return;
    e.main_game.SetStockAreaX(slot, ClampAnchor(x));
    e.main_game.SetStockAreaY(slot, ClampAnchor(y));
}

void LayoutPass::SetDeckY(int slot, int y) {
    if (slot >= 0 && slot < kStockAreaPiles) e.main_game.SetStockAreaY(slot, ClampAnchor(y));
}

bool LayoutPass::TableauPlaced(int i) const {
    return i >= 0 && i < kTableauPiles && IsPlacedY(TableauY(i)) && IsPlacedY(TableauX(i));
}
int LayoutPass::TableauX(int i) const { return velmora::TableauX(e.tableau_anchors, i); }
int LayoutPass::TableauY(int i) const {
    return i >= 0 && i < TableauAnchors::kEntries ? e.tableau_anchors.y[static_cast<size_t>(i)] : 0;
}

bool LayoutPass::FoundationPlaced(int i) const {
    return i >= 0 && i < kFoundationPiles && IsPlacedY(FoundationY(i)) && IsPlacedY(FoundationX(i));
}
int LayoutPass::FoundationX(int i) const { return e.main_game.FoundationX(i); }
int LayoutPass::FoundationY(int i) const { return e.main_game.Field(field::kFoundationY + i); }

bool LayoutPass::ReservePlaced(int i) const {
    return i >= 0 && i < kReservePiles && IsPlacedY(ReserveY(i)) && IsPlacedY(ReserveX(i));
}
int LayoutPass::ReserveX(int i) const { return e.main_game.ReserveX(i); }
int LayoutPass::ReserveY(int i) const { return e.main_game.Field(field::kReserveY + i); }

bool LayoutPass::DeckPlaced(int slot) const {
    return slot >= 0 && slot < kStockAreaPiles && IsPlacedY(DeckY(slot)) && IsPlacedY(DeckX(slot));
}
int LayoutPass::DeckX(int slot) const { return e.main_game.StockAreaX(slot); }
int LayoutPass::DeckY(int slot) const { return e.main_game.Field(field::kStockAreaY + slot); }

}  // namespace velmora
