#include "engine/play/grid_rules.h"

#include "engine/model/pile_lists.h"
#include "engine/model/pile_string.h"
#include "engine/play/move_description.h"
#include "engine/play/rule_context.h"

namespace velmora {

namespace {

int RowOf(int columns, int cell) { return (cell - 1) / columns; }

bool ValidCell(int cell) { return cell >= 1 && cell <= kTableauPiles; }

}  // namespace

bool GridNeighbours(int columns, int from, int to) {
    if (columns < 1 || !ValidCell(from) || !ValidCell(to)) return false;
    if ((from == to + 1 || from == to - 1) && RowOf(columns, from) == RowOf(columns, to)) return true;
    return from == to - columns || from == to + columns;
}

bool GridTouching(int columns, int a, int b) {
    if (columns < 1 || !ValidCell(a) || !ValidCell(b) || a == b) return false;
    const int row_apart = RowOf(columns, a) - RowOf(columns, b);
    const int column_apart = (a - 1) % columns - (b - 1) % columns;
    return row_apart >= -1 && row_apart <= 1 && column_apart >= -1 && column_apart <= 1;
}

int GridJumpOver(int columns, int from, int to) {
    if (columns < 1 || !ValidCell(from) || !ValidCell(to)) return -1;
    if ((from == to + 2 || from == to - 2) && RowOf(columns, from) == RowOf(columns, to)) return (from + to) / 2;
    if (from == to + 2 * columns || from == to - 2 * columns) return (from + to) / 2;
    return -1;
}

int GridJumpedCell(const Engine& e, int dest_index, int source_locator) {
    if (!LocatorIsTableau(source_locator)) return -1;
    const int over = GridJumpOver(e.R(27), source_locator, dest_index + 1);
    if (over < 0) return -1;
    // The cell jumped over must hold a card.
    return PileTop(e.piles.Text(ListId::Tableau, over - 1)) >= 1 ? over - 1 : -1;
}

PlaceResult GridRule(const RuleCtx& c) {
    if (!c.DestTableau().empty() || !c.FromTableau()) return {};
    const int columns = c.R(27);
    if (c.in.build_code == 70) return {GridNeighbours(columns, c.move.source, c.in.pile + 1), -1};
    const int jumped = GridJumpedCell(c.e, c.in.pile, c.move.source);
    return {jumped >= 0, jumped};
}

}  // namespace velmora
