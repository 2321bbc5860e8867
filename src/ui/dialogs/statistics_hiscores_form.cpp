#include "ui/dialogs/statistics_hiscores_form.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <set>

#include "ui/dialogs/advanced_form.h"
#include "ui/dialogs/statistics_table.h"

namespace velmora {

namespace {

constexpr int kWidestTable = 700;

std::vector<StatisticsColumn> ScoreColumns() {
    return {{QStringLiteral("Rank")},
            {QStringLiteral("Player"), false},
            {QStringLiteral("Score")},
            {QStringLiteral("Time")},
            {QStringLiteral("Date"), false}};
}

// The games to choose from, by name: those with scores and the current one.
std::vector<std::pair<QString, int>> GameChoices(const std::vector<ScoreEntry>& entries,
                                                 const GameNames& names, int current_game) {
    std::set<int> games{current_game};
    for (const ScoreEntry& e : entries) games.insert(e.record.game);
    std::vector<std::pair<QString, int>> choices;
    for (int game : games) choices.emplace_back(QString::fromStdString(names(game)), game);
    std::sort(choices.begin(), choices.end(),
              [](const auto& a, const auto& b) { return a.first.localeAwareCompare(b.first) < 0; });
    return choices;
}

}  // namespace

TfrmHiScores::TfrmHiScores(std::vector<ScoreEntry> entries, const GameNames& names,
                           int current_game, QWidget* owner)
    : QDialog(owner), entries_(std::move(entries)) {
    setObjectName("frmHiScores");
    setWindowTitle(QStringLiteral("Hi-scores"));
    auto* caption = new QLabel(QStringLiteral("&Game:"), this);
    cboGames = new QComboBox(this);
    cboGames->setObjectName("cboGames");
    caption->setBuddy(cboGames);
    for (const auto& [name, game] : GameChoices(entries_, names, current_game))
        cboGames->addItem(name, game);
    cboGames->setCurrentIndex(cboGames->findData(current_game));
    tblScores = MakeStatisticsTable(ScoreColumns(), std::nullopt, this);
    tblScores->setObjectName("tblScores");
    lblNone = new QLabel(QStringLiteral("No game of this kind has been won yet."), this);
    lblNone->setObjectName("lblNone");
    btnClose = new QPushButton(QStringLiteral("Close"), this);
    btnClose->setObjectName("btnClose");
    btnClose->setDefault(true);
    auto* choice = new QHBoxLayout;
    choice->addWidget(caption);
    choice->addWidget(cboGames, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(tblScores);
    layout->addWidget(lblNone);
    layout->addLayout(buttons);
    ApplyAdvancedFormFont(*this);
    ShowGame(current_game);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(cboGames, &QComboBox::currentIndexChanged, this,
            [this](int index) { ShowGame(cboGames->itemData(index).toInt()); });
}

void TfrmHiScores::ShowGame(int game) {
    const std::vector<ScoreEntry> top = TopScores(entries_, game);
    std::vector<StatisticsRow> rows;
    for (const ScoreEntry& e : top) {
        rows.push_back({NumberCell(static_cast<int>(rows.size()) + 1),
                        TextCell(QString::fromStdString(e.player)), NumberCell(e.record.score),
                        DurationCell(e.record.seconds), TextCell(DateTimeText(e.record.when))});
    }
    FillStatisticsTable(*tblScores, rows);
    FitStatisticsTable(*tblScores, static_cast<int>(kScoresKept), kWidestTable);
    lblNone->setVisible(top.empty());
    adjustSize();
}

}  // namespace velmora
