#pragma once
// The working state of one pass of the table layout, shared by the steps
// that place each pile group. Only the layout's own files include it.

#include <array>
#include <optional>

#include "engine/layout/table_geometry.h"

namespace velmora {

struct Engine;

// The rules entries of the layout: arrangement code, row digit and count of
// each pile group.
namespace layout_entry {
constexpr int kStockCode = 291;
constexpr int kStockRow = 292;
constexpr int kFoundationCode = 293;
constexpr int kFoundationRow = 294;
constexpr int kTableauCode = 295;
constexpr int kTableauRow = 296;
constexpr int kGridRows = 297;
constexpr int kReserveCode = 298;
constexpr int kReserveRow = 299;
constexpr int kSecondWasteCode = 300;
constexpr int kSecondWasteRow = 301;
constexpr int kStockCount = 302;
constexpr int kFoundationCount = 303;
constexpr int kTableauCount = 304;
constexpr int kReserveCount = 305;
constexpr int kSecondWasteCount = 306;
}  // namespace layout_entry

// The first character of a row-digit entry written in decimal ('-' for a
// negative value).
char RowDigit(int value);

// The six rows of the table and the two centred blocks.
struct RowTable {
    std::array<int, 7> row{};  // rows 1 to 6; entry 0 unused
    int block3 = 0;            // first row of the three-row block
    int block4 = 0;            // first row of the four-row block
    int block_step = 0;        // distance of the block rows: card height + 10

    int Block3Row(int k) const { return block3 + k * block_step; }
    int Block4Row(int k) const { return block4 + k * block_step; }
};

struct LayoutPass {
    LayoutPass(Engine& engine, const LayoutInputs& inputs);

    Engine& e;
    LayoutInputs in;  // held to 16-bit values
    int W = 0;        // card width
    int H = 0;        // card height
    int shadow = 0;
    int available_width = 0;  // less 10 on low tables
    int K = 0;                // working width
    bool low = false;         // available height below 500
    bool small_screen = false;  // screen below 500 pixels high
    int E = 0;                // bottom - top
    int row_gap = 0;          // s: the space between the rows of the row table
    RowTable rows;
    int left_margin = 0;
    int tableau_gap = 0;      // the gap the tableau arrangement used
    int foundation_step = 1;  // G: the foundation gap the reserves take over

    // Codes and counts of the current game (counts held to the slots).
    int stock_code = 0, foundation_code = 0, tableau_code = 0, reserve_code = 0, second_waste_code = 0;
    char stock_digit = '0', foundation_digit = '0', tableau_digit = '0', reserve_digit = '0',
         second_waste_digit = '0';
    int deck_count = 0, foundation_count = 0, tableau_count = 0, reserve_count = 0, second_waste_count = 0;

    // The Y of row digit `digit`: 1 to 6, and 0 as row 1 when `zero_is_row1`;
    // nothing for any other digit.
    std::optional<int> RowFor(char digit, bool zero_is_row1) const;

    // Anchors as stored (before the scroll offset). Setters hold values to
    // what a placed 16-bit anchor can be; indexes outside a group are ignored.
    void SetTableau(int i, int x, int y);
    void SetFoundation(int i, int x, int y);
    void SetReserve(int i, int x, int y);
    void SetDeck(int slot, int x, int y);
    bool TableauPlaced(int i) const;
    int TableauX(int i) const;
    int TableauY(int i) const;
    bool FoundationPlaced(int i) const;
    int FoundationX(int i) const;
    int FoundationY(int i) const;
    bool ReservePlaced(int i) const;
    int ReserveX(int i) const;
    int ReserveY(int i) const;
    bool DeckPlaced(int slot) const;
    int DeckX(int slot) const;
    int DeckY(int slot) const;
    void SetDeckY(int slot, int y);
};

// A coordinate held to what a placed signed 16-bit anchor can hold.
int ClampAnchor(int value);

// The steps of a pass, in the order the layout runs them.
void ComputeRows(LayoutPass& pass);
void ComputeLeftMargin(LayoutPass& pass);
void ComputeFanRooms(LayoutPass& pass);
// Tableaus by the regular arrangements; true when the code was one of them.
bool PlaceRegularTableaus(LayoutPass& pass);
// The arrangements 052, 053, 054, 103 and 123 to 131, with the piles of
// other groups they place; true when the code was one of them.
bool PlaceFigureTableaus(LayoutPass& pass);
// The cell grids 123 to 129; true when the code was one of them.
bool PlaceCellGrid(LayoutPass& pass);
void PlaceStockAndWaste(LayoutPass& pass);
void PlaceFoundations(LayoutPass& pass);
// Arrangement 020: the tableau row centred under the foundation row.
void CentreTableausUnderFoundations(LayoutPass& pass);
void PlaceReserves(LayoutPass& pass);
void PlaceSecondWaste(LayoutPass& pass);

// Lays the table out for the card size in the engine's geometry: the passes
// with their restarts and the finishing touches.
void LayOutWithCardSize(Engine& engine, const LayoutInputs& inputs);

// Piles per row of the grids of rows (entry 297 rows): never below 1.
int GridPilesPerRow(const LayoutPass& pass);

}  // namespace velmora
