#include "ui/dialogs/statistics_log_form.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "ui/dialogs/advanced_form.h"
#include "ui/dialogs/statistics_table.h"

namespace velmora {

namespace {

constexpr int kWidestTable = 760;
constexpr int kRowsShown = 16;

std::vector<StatisticsColumn> LogColumns() {
    return {{QStringLiteral("Date"), false}, {QStringLiteral("Game"), false},
            {QStringLiteral("Deal")},        {QStringLiteral("Result"), false},
            {QStringLiteral("Score")},       {QStringLiteral("Time")},
            {QStringLiteral("Moves")}};
}

StatisticsRow LogRow(const GameRecord& r, const GameNames& names) {
    const double moment = QString::fromStdString(CompactDateTime(r.when)).toDouble();
    return {
        {DateTimeText(r.when), moment},
        TextCell(QString::fromStdString(names(r.game))),
        {QString::fromStdString(r.deal_number), QString::fromStdString(r.deal_number).toDouble()},
        TextCell(ResultText(r.result)),
        NumberCell(r.score),
        DurationCell(r.seconds),
        NumberCell(r.moves)};
}

}  // namespace

TfrmGameLog::TfrmGameLog(const QString& player, std::vector<GameRecord> records,
                         const GameNames& names, QWidget* owner)
    : QDialog(owner), records_(std::move(records)) {
    if (records_.size() > kLinesShown) records_.resize(kLinesShown);
    setObjectName("frmGameLog");
    setWindowTitle(QStringLiteral("Log of games - %1").arg(player));
    tblGames = MakeStatisticsTable(LogColumns(), Qt::DescendingOrder, this);
    tblGames->setObjectName("tblGames");
    const TableWindowParts parts = LayOutTableWindow(*this, tblGames, records_.empty(),
                                                     QStringLiteral("&Play this deal"), "btnPlay");
    lblNone = parts.none;
    btnPlay = parts.left;
    btnClose = parts.close;
    ApplyAdvancedFormFont(*this);

    std::vector<StatisticsRow> rows;
    for (const GameRecord& r : records_) rows.push_back(LogRow(r, names));
    FillStatisticsTable(*tblGames, rows);
    FitStatisticsTable(*tblGames, kRowsShown, kWidestTable);
    resize(sizeHint());

    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnPlay, &QPushButton::clicked, this, [this] { PlayRow(tblGames->currentRow()); });
    connect(tblGames, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { PlayRow(row); });
    connect(tblGames, &QTableWidget::itemSelectionChanged, this, [this] { EnablePlay(); });
    EnablePlay();
}

// Return plays the chosen game, or closes the window while none is chosen.
void TfrmGameLog::EnablePlay() {
    const bool chosen = !tblGames->selectedItems().isEmpty();
    btnPlay->setEnabled(chosen);
    btnPlay->setDefault(chosen);
    btnClose->setDefault(!chosen);
}

void TfrmGameLog::PlayRow(int row) {
    const int place = row < 0 ? -1 : RowPlace(*tblGames, row);
    if (place < 0 || place >= static_cast<int>(records_.size())) return;
    chosen_ = records_[static_cast<size_t>(place)];
    accept();
}

}  // namespace velmora
