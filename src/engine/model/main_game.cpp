#include "engine/model/main_game.h"

namespace velmora {

namespace {
constexpr int kFoundationSlots = 17;
constexpr int kReserveSlots = 11;
constexpr int kStockAreaSlots = 4;
}  // namespace

int TMainGame::Field(int i) const {
    return i >= 0 && i < kFieldCount ? fields_[static_cast<size_t>(i)] : 0;
}

void TMainGame::SetField(int i, int value) {
    if (i >= 0 && i < kFieldCount) fields_[static_cast<size_t>(i)] = static_cast<int16_t>(value);
}

int TMainGame::Ranged(int base, int count, int i) const {
    return i >= 0 && i < count ? Field(base + i) : 0;
}

void TMainGame::SetRanged(int base, int count, int i, int value) {
    if (i >= 0 && i < count) SetField(base + i, value);
}

int TMainGame::StockAreaX(int i) const { return Ranged(field::kStockAreaX, kStockAreaSlots, i); }
int TMainGame::StockAreaY(int i) const {
    return Ranged(field::kStockAreaY, kStockAreaSlots, i) - Field(field::kScrollOffset);
}
void TMainGame::SetStockAreaX(int i, int v) { SetRanged(field::kStockAreaX, kStockAreaSlots, i, v); }
void TMainGame::SetStockAreaY(int i, int v) { SetRanged(field::kStockAreaY, kStockAreaSlots, i, v); }

int TMainGame::FoundationX(int i) const { return Ranged(field::kFoundationX, kFoundationSlots, i); }
int TMainGame::FoundationY(int i) const {
    return Ranged(field::kFoundationY, kFoundationSlots, i) - Field(field::kScrollOffset);
}
void TMainGame::SetFoundationX(int i, int v) { SetRanged(field::kFoundationX, kFoundationSlots, i, v); }
void TMainGame::SetFoundationY(int i, int v) { SetRanged(field::kFoundationY, kFoundationSlots, i, v); }

int TMainGame::ReserveX(int i) const { return Ranged(field::kReserveX, kReserveSlots, i); }
int TMainGame::ReserveY(int i) const {
    return Ranged(field::kReserveY, kReserveSlots, i) - Field(field::kScrollOffset);
}
void TMainGame::SetReserveX(int i, int v) { SetRanged(field::kReserveX, kReserveSlots, i, v); }
void TMainGame::SetReserveY(int i, int v) { SetRanged(field::kReserveY, kReserveSlots, i, v); }

int TableauX(const TableauAnchors& anchors, int i) {
    return i >= 0 && i < TableauAnchors::kEntries ? anchors.x[static_cast<size_t>(i)] : 0;
}

int TableauY(const TableauAnchors& anchors, const TMainGame& game, int i) {
    if (i < 0 || i >= TableauAnchors::kEntries) return 0;
    return anchors.y[static_cast<size_t>(i)] - game.Field(field::kScrollOffset);
}

void SetTableauX(TableauAnchors& anchors, int i, int value) {
    if (i >= 0 && i < TableauAnchors::kEntries) anchors.x[static_cast<size_t>(i)] = static_cast<int16_t>(value);
}

void SetTableauY(TableauAnchors& anchors, int i, int value) {
    if (i >= 0 && i < TableauAnchors::kEntries) anchors.y[static_cast<size_t>(i)] = static_cast<int16_t>(value);
}

void MarkPilesUnplaced(TMainGame& game, TableauAnchors& anchors) {
    for (int i = 0; i < kStockAreaSlots; ++i) {
        game.SetStockAreaX(i, kUnplacedStockArea);
        game.SetStockAreaY(i, kUnplacedStockArea);
    }
    for (int i = 0; i < kFoundationSlots; ++i) {
        game.SetFoundationX(i, kUnplacedFoundation);
        game.SetFoundationY(i, kUnplacedFoundation);
    }
    for (int i = 0; i < kReserveSlots; ++i) {
        game.SetReserveX(i, kUnplacedReserve);
        game.SetReserveY(i, kUnplacedReserve);
    }
    anchors.x.fill(static_cast<int16_t>(kUnplacedTableau));
    anchors.y.fill(static_cast<int16_t>(kUnplacedTableau));
}

}  // namespace velmora
