#pragma once
// The tables of the statistics windows: read-only, whole rows selected,
// numbers right-aligned, and sorted by a click on a column's header, where a
// number column sorts by the value (a time by its seconds, a date by the
// moment) and not by the text it shows. The captions and value labels of
// the windows that show one set of figures live here too.

#include <QString>
#include <Qt>

#include <optional>
#include <vector>

#include "engine/results/result_queries.h"

class QDialog;
class QGridLayout;
class QPushButton;
class QLabel;
class QTableWidget;
class QWidget;

namespace velmora {

struct StatisticsColumn {
    QString title;
    bool number = true;
};

// A cell's text and, in a number column, the value it sorts by; a cell
// without a value ("-") sorts below every value.
struct StatisticsCell {
    QString text;
    std::optional<double> value;
};
using StatisticsRow = std::vector<StatisticsCell>;

StatisticsCell TextCell(const QString& text);
StatisticsCell NumberCell(int number);
StatisticsCell NumberCell(const std::optional<int>& number);
StatisticsCell DurationCell(const std::optional<int>& seconds);
StatisticsCell WinRateCell(const ResultSummary& summary);

// Sortable when given the order its first column starts sorted in.
QTableWidget* MakeStatisticsTable(const std::vector<StatisticsColumn>& columns,
                                  std::optional<Qt::SortOrder> order, QWidget* parent);
// Replaces the rows; the table keeps its sort column and order. Each row's
// first cell remembers the row's place in `rows` (RowPlace).
void FillStatisticsTable(QTableWidget& table, const std::vector<StatisticsRow>& rows);
// The place in the filled rows of the table's row `row` as it is sorted now.
int RowPlace(const QTableWidget& table, int row);
// Wide enough for every column and tall enough for up to `rows` rows, at
// most `max_width` pixels wide.
void FitStatisticsTable(QTableWidget& table, int rows, int max_width);

// The columns and cells of a line of figures: played, won, lost, win rate,
// best time, best score, after a first column of names.
std::vector<StatisticsColumn> SummaryColumns(const QString& first);
StatisticsRow SummaryRow(const QString& name, const ResultSummary& summary);

// The parts of a window around a table: a line shown while the table has
// no rows ("lblNone"), a button at the left and Close at the right.
struct TableWindowParts {
    QLabel* none;
    QPushButton* left;
    QPushButton* close;
};
TableWindowParts LayOutTableWindow(QDialog& window, QTableWidget* table, bool empty,
                                   const QString& left_caption, const char* left_name);

// A caption and its value label (named `name`, right-aligned) on row `row`.
QLabel* AddFigure(QGridLayout& grid, int row, const QString& caption, const char* name);

}  // namespace velmora
