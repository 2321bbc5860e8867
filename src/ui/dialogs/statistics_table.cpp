#include "ui/dialogs/statistics_table.h"

#include <QBoxLayout>
#include <QDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

#include "ui/dialogs/statistics_text.h"

namespace velmora {

namespace {

constexpr int kValueRole = Qt::UserRole;
constexpr int kPlaceRole = Qt::UserRole + 1;
constexpr Qt::Alignment kNumberAlignment = Qt::AlignRight | Qt::AlignVCenter;
constexpr int kCellPadding = 12;
constexpr int kRowPadding = 8;

// Sorts by the value it holds, when it holds one, else by its text.
class StatisticsItem : public QTableWidgetItem {
  public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant mine = data(kValueRole);
        const QVariant theirs = other.data(kValueRole);
        if (mine.isValid() || theirs.isValid()) {
            if (!mine.isValid() || !theirs.isValid()) return !mine.isValid() && theirs.isValid();
            return mine.toDouble() < theirs.toDouble();
        }
        return text().localeAwareCompare(other.text()) < 0;
    }
};

bool IsNumberColumn(const QTableWidget& table, int column) {
    return table.horizontalHeaderItem(column)->data(kValueRole).toBool();
}

}  // namespace

StatisticsCell TextCell(const QString& text) {
    return {text, std::nullopt};
}

StatisticsCell NumberCell(int number) {
    return {QString::number(number), number};
}

StatisticsCell NumberCell(const std::optional<int>& number) {
    return number ? NumberCell(*number) : StatisticsCell{kNoFigure, std::nullopt};
}

StatisticsCell DurationCell(const std::optional<int>& seconds) {
    if (!seconds) return {kNoFigure, std::nullopt};
    return {DurationText(*seconds), static_cast<double>(*seconds)};
}

StatisticsCell WinRateCell(const ResultSummary& summary) {
    if (summary.played == 0) return {kNoFigure, std::nullopt};
    return {WinRateText(summary), summary.WinRate()};
}

QTableWidget* MakeStatisticsTable(const std::vector<StatisticsColumn>& columns,
                                  std::optional<Qt::SortOrder> order, QWidget* parent) {
    const bool sortable = order.has_value();
    auto* table = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    for (int c = 0; c < table->columnCount(); ++c) {
        const StatisticsColumn& column = columns[static_cast<size_t>(c)];
        auto* header = new QTableWidgetItem(column.title);
        header->setData(kValueRole, column.number);
        header->setTextAlignment(column.number ? kNumberAlignment
                                               : Qt::AlignLeft | Qt::AlignVCenter);
        table->setHorizontalHeaderItem(c, header);
    }
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    // The arrows move among the rows; Tab goes on to the buttons.
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    // Lines of text, not the style's roomy default.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + kRowPadding);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->horizontalHeader()->setSortIndicatorShown(sortable);
    table->horizontalHeader()->setSectionsClickable(sortable);
    if (order) table->horizontalHeader()->setSortIndicator(0, *order);
    table->setSortingEnabled(sortable);
    return table;
}

void FillStatisticsTable(QTableWidget& table, const std::vector<StatisticsRow>& rows) {
    const bool sorting = table.isSortingEnabled();
    // Rows filled while sorting is on would move under the filling.
    table.setSortingEnabled(false);
    table.setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < table.rowCount(); ++r) {
        const StatisticsRow& row = rows[static_cast<size_t>(r)];
        for (int c = 0; c < table.columnCount() && c < static_cast<int>(row.size()); ++c) {
            const StatisticsCell& cell = row[static_cast<size_t>(c)];
            auto* item = new StatisticsItem(cell.text);
            if (cell.value) item->setData(kValueRole, *cell.value);
            if (IsNumberColumn(table, c)) item->setTextAlignment(kNumberAlignment);
            if (c == 0) item->setData(kPlaceRole, r);
            table.setItem(r, c, item);
        }
    }
    table.setSortingEnabled(sorting);
    table.resizeColumnsToContents();
    for (int c = 0; c < table.columnCount(); ++c)
        table.setColumnWidth(c, table.columnWidth(c) + kCellPadding);
}

int RowPlace(const QTableWidget& table, int row) {
    const QTableWidgetItem* item = table.item(row, 0);
    return item ? item->data(kPlaceRole).toInt() : -1;
}

void FitStatisticsTable(QTableWidget& table, int rows, int max_width) {
    int width = 2 * table.frameWidth() + table.verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < table.columnCount(); ++c) width += table.columnWidth(c);
    const int row_height = table.verticalHeader()->defaultSectionSize();
    const int height = 2 * table.frameWidth() + table.horizontalHeader()->sizeHint().height() +
                       row_height * std::max(rows, 1);
    table.setMinimumSize(std::min(width, max_width), height);
    table.horizontalHeader()->setStretchLastSection(true);
}

std::vector<StatisticsColumn> SummaryColumns(const QString& first) {
    return {{first, false},
            {QStringLiteral("Played")},
            {QStringLiteral("Won")},
            {QStringLiteral("Lost")},
            {QStringLiteral("Win rate")},
            {QStringLiteral("Best time")},
            {QStringLiteral("Best score")}};
}

StatisticsRow SummaryRow(const QString& name, const ResultSummary& summary) {
    return {TextCell(name),
            NumberCell(summary.played),
            NumberCell(summary.won),
            NumberCell(summary.lost),
            WinRateCell(summary),
            DurationCell(summary.best_seconds),
            NumberCell(summary.best_score)};
}

TableWindowParts LayOutTableWindow(QDialog& window, QTableWidget* table, bool empty,
                                   const QString& left_caption, const char* left_name) {
    TableWindowParts parts{new QLabel(QStringLiteral("No game has been recorded yet."), &window),
                           new QPushButton(left_caption, &window),
                           new QPushButton(QStringLiteral("Close"), &window)};
    parts.none->setObjectName("lblNone");
    parts.none->setVisible(empty);
    parts.left->setObjectName(QString::fromLatin1(left_name));
    parts.close->setObjectName("btnClose");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(parts.left);
    buttons->addStretch(1);
    buttons->addWidget(parts.close);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(table);
    layout->addWidget(parts.none);
    layout->addLayout(buttons);
    return parts;
}

QLabel* AddFigure(QGridLayout& grid, int row, const QString& caption, const char* name) {
    grid.addWidget(new QLabel(caption), row, 0);
    auto* value = new QLabel(kNoFigure);
    value->setObjectName(QString::fromLatin1(name));
    value->setAlignment(kNumberAlignment);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid.addWidget(value, row, 1);
    return value;
}

}  // namespace velmora
