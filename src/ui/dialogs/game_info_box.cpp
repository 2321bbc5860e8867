#include "ui/dialogs/game_info_box.h"

#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/dialogs/advanced_form.h"
#include "ui/dialogs/game_info_panel.h"
#include "ui/dialogs/named_widget.h"

namespace velmora {
namespace {

constexpr int kMargin = 8;
constexpr int kPanelWidth = 312;
constexpr int kPanelHeight = 328;
constexpr int kResultsWidth = 200;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kClientWidth = kMargin + kPanelWidth + kMargin + kResultsWidth + kMargin;
constexpr int kClientHeight = kMargin + kPanelHeight + kMargin + kButtonHeight + kMargin;
// The result rows inside their group: caption, then value.
constexpr int kRowsTop = 46;
constexpr int kRowHeight = 22;
constexpr int kCaptionWidth = 90;

QLabel* ResultRow(QWidget* group, const char* name, const char* caption, const std::string& value,
                  int row) {
    const int top = kRowsTop + row * kRowHeight;
    (new QLabel(QString::fromUtf8(caption), group))->setGeometry(10, top, kCaptionWidth, 18);
    return Named(new QLabel(QString::fromStdString(value), group), name,
                 QRect(10 + kCaptionWidth, top, kResultsWidth - 20 - kCaptionWidth, 18));
}

}  // namespace

GameInfoBox::GameInfoBox(const TMainGame& game_state, const GamesData& games, const ResourceLibrary& library,
                         int game, const QString& game_name, const GameResultsText& results, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmGameInformation"));
    setWindowTitle(QStringLiteral("Game information"));
    setFixedSize(kClientWidth, kClientHeight);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    pnlDescGame = new GameInfoPanel(game_state, games, library, QSize(kPanelWidth, kPanelHeight), this);
    pnlDescGame->move(kMargin, kMargin);
    // The preview is what the player came for here: always shown.
    pnlDescGame->chkPreview->setChecked(true);
    pnlDescGame->chkPreview->hide();
    pnlDescGame->Describe(game, game_name);
    BuildResults(results);
    btnOK = Named(new QPushButton(QStringLiteral("OK"), this), "btnOK",
                  QRect(kClientWidth - kMargin - kButtonWidth, kClientHeight - kMargin - kButtonHeight,
                        kButtonWidth, kButtonHeight));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    ApplyAdvancedFormFont(*this);
}

void GameInfoBox::BuildResults(const GameResultsText& results) {
    auto* group = Named(new QGroupBox(QStringLiteral("Your results"), this), "grpResults",
                        QRect(kMargin + kPanelWidth + kMargin, kMargin, kResultsWidth, kPanelHeight));
    lblPlayer = Named(new QLabel(QString::fromStdString(results.player), group), "lblPlayer",
                      QRect(10, 20, kResultsWidth - 20, 18));
    QFont bold = lblPlayer->font();
    bold.setBold(true);
    lblPlayer->setFont(bold);
    lblPlayed = ResultRow(group, "lblPlayed", "Played:", results.played, 0);
    lblWon = ResultRow(group, "lblWon", "Won:", results.won, 1);
    lblWinRate = ResultRow(group, "lblWinRate", "Won (%):", results.win_rate, 2);
    lblBestTime = ResultRow(group, "lblBestTime", "Best time:", results.best_time, 3);
    lblBestScore = ResultRow(group, "lblBestScore", "Best score:", results.best_score, 4);
}

}  // namespace velmora
