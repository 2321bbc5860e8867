#include "ui/dialogs/statistics_list_form.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

#include "ui/dialogs/advanced_form.h"
#include "ui/dialogs/statistics_table.h"

namespace velmora {

namespace {

// Room for every column at the smallest window the program is made for.
constexpr int kWidestTable = 740;
constexpr int kRowsShown = 14;
constexpr int kFewestRows = 4;

}  // namespace

TfrmStatisticsList::TfrmStatisticsList(const char* name, const QString& title,
                                       const QString& first_column, std::vector<Line> lines,
                                       QWidget* owner)
    : QDialog(owner), lines_(std::move(lines)) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(title);
    tblStatistics = MakeStatisticsTable(SummaryColumns(first_column), Qt::AscendingOrder, this);
    tblStatistics->setObjectName("tblStatistics");
    const TableWindowParts parts = LayOutTableWindow(*this, tblStatistics, lines_.empty(),
                                                     QStringLiteral("&Reset..."), "btnReset");
    lblNone = parts.none;
    btnReset = parts.left;
    btnReset->hide();
    btnClose = parts.close;
    btnClose->setDefault(true);
    ApplyAdvancedFormFont(*this);
    Fill();
    FitStatisticsTable(*tblStatistics,
                       std::clamp(static_cast<int>(lines_.size()), kFewestRows, kRowsShown),
                       kWidestTable);
    resize(sizeHint());
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnReset, &QPushButton::clicked, this, [this] { btnResetClick(); });
    connect(tblStatistics, &QTableWidget::itemSelectionChanged, this, [this] { EnableReset(); });
}

void TfrmStatisticsList::Fill() {
    std::vector<StatisticsRow> rows;
    for (const Line& line : lines_) rows.push_back(SummaryRow(line.name, line.summary));
    FillStatisticsTable(*tblStatistics, rows);
}

void TfrmStatisticsList::OfferReset(ResetHook reset, ConfirmHook confirm) {
    reset_ = std::move(reset);
    confirm_ = std::move(confirm);
    btnReset->show();
    EnableReset();
}

int TfrmStatisticsList::SelectedLine() const {
    const QList<QTableWidgetItem*> selected = tblStatistics->selectedItems();
    return selected.isEmpty() ? -1 : RowPlace(*tblStatistics, selected.front()->row());
}

void TfrmStatisticsList::EnableReset() {
    const int line = SelectedLine();
    btnReset->setEnabled(line >= 0 && lines_[static_cast<size_t>(line)].summary.played > 0);
}

void TfrmStatisticsList::btnResetClick() {
    const int line = SelectedLine();
    if (line < 0 || !reset_ || !confirm_) return;
    Line& chosen = lines_[static_cast<size_t>(line)];
    if (!confirm_(
            QStringLiteral("Clear every result of %1? This cannot be undone.").arg(chosen.name)))
        return;
    if (!reset_(chosen.name)) return;
    chosen.summary = ResultSummary{};
    Fill();
    EnableReset();
}

}  // namespace velmora
