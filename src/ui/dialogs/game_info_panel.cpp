#include "ui/dialogs/game_info_panel.h"

#include <QCheckBox>
#include <QLabel>
#include <QPalette>

#include <string_view>

#include "platform/desktop.h"
#include "platform/drawing.h"
#include "platform/resource_library.h"
#include "ui/dialogs/named_widget.h"
#include "ui/dialogs/open_game_list.h"
#include "ui/dialogs/open_game_preview.h"

namespace velmora {
namespace {

// The information rows: icon, caption, value.
constexpr int kIconLeft = 6;
constexpr int kCaptionLeft = 26;
constexpr int kValueLeft = 140;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* Label(QWidget* parent, const char* name, const char* text, const QRect& place) {
    return Named(new QLabel(QString::fromUtf8(text), parent), name, place);
}

QRect Row(int left, int row, int width) {
    return QRect(left, GameInfoPanel::kRowsTop + row * GameInfoPanel::kRowHeight, width,
                 GameInfoPanel::kRowHeight);
}

QLabel* RowIcon(QWidget* parent, const char* name, int row) {
    return Named(new QLabel(parent), name,
                 QRect(kIconLeft, GameInfoPanel::kRowsTop + row * GameInfoPanel::kRowHeight + 1, 16, 16));
}

void ShowIcon(QLabel& label, const ResourceLibrary& library, std::string_view name) {
    const QImage icon = name.empty() ? QImage() : library.Bitmap(name);
    if (icon.isNull()) {
        label.clear();
    } else {
        label.setPixmap(QPixmap::fromImage(icon));
    }
}

}  // namespace

void PaintWhitePanel(QFrame& panel) {
    panel.setFrameShape(QFrame::StyledPanel);
    panel.setFrameShadow(QFrame::Sunken);
    panel.setAutoFillBackground(true);
    QPalette colours = panel.palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    panel.setPalette(colours);
}

GameInfoPanel::GameInfoPanel(const TMainGame& game_state, const GamesData& games,
                             const ResourceLibrary& library, QSize size, QWidget* parent)
    : QFrame(parent), game_state_(game_state), games_(games), library_(library) {
    setObjectName(QStringLiteral("pnlDescGame"));
    resize(size);
    PaintWhitePanel(*this);
    const int width = size.width();
    const int inner = width - 2 * kIconLeft;
    lblGameName = Label(this, "lblGameName", "", QRect(kIconLeft, 4, inner - 90, 20));
    QFont bold = lblGameName->font();
    bold.setBold(true);
    lblGameName->setFont(bold);
    chkPreview = Named(new QCheckBox(QStringLiteral("&Preview"), this), "chkPreview",
                       QRect(width - kIconLeft - 84, 4, 84, 20));
    imgGame = Named(new QLabel(this), "imgGame",
                    QRect((width - kPreviewWidth) / 2, 28, kPreviewWidth, kPreviewHeight));
    imgGame->setScaledContents(true);
    preview_background_ = open_game::PreviewBackground(imgGame->size());
    BuildInformationRows();
    connect(chkPreview, &QCheckBox::toggled, this, [this] { DrawPreview(); });
}

void GameInfoPanel::BuildInformationRows() {
    const int caption = kValueLeft - kCaptionLeft;
    const int value = width() - kValueLeft - kIconLeft;
    Label(this, "lblDecksCaption", "Decks:", Row(kCaptionLeft, 0, caption));
    Label(this, "lblGameTimeCaption", "Game time:", Row(kCaptionLeft, 1, caption));
    Label(this, "lblDiffRulesCaption", "Difficulty level:", Row(kCaptionLeft, 2, caption));
    Label(this, "lblSkillCaption", "Skill level:", Row(kCaptionLeft, 3, caption));
    Label(this, "lblDiffWinCaption", "Chance of winning:", Row(kCaptionLeft, 4, caption));
    Label(this, "lblRedealCaption", "Redeals:", Row(kCaptionLeft, 5, caption));
    lblDecks = Label(this, "lblDecks", "", Row(kValueLeft, 0, value));
    lblGameTime = Label(this, "lblGameTime", "", Row(kValueLeft, 1, value));
    lblDiffRules = Label(this, "lblDiffRules", "", Row(kValueLeft, 2, value));
    lblSkill = Label(this, "lblSkill", "", Row(kValueLeft, 3, value));
    lblDiffWin = Label(this, "lblDiffWin", "", Row(kValueLeft, 4, value));
    lblRedeal = Label(this, "lblRedeal", "", Row(kValueLeft, 5, value));
    imgGameTime = RowIcon(this, "imgGameTime", 1);
    imgDifficult = RowIcon(this, "imgDifficult", 2);
    imgSkill = RowIcon(this, "imgSkill", 3);
    imgWinning = RowIcon(this, "imgWinning", 4);
}

void GameInfoPanel::Describe(int number, const QString& name) {
    game_ = number;
    lblGameName->setText(name);
    const open_game::GameDescription d =
        open_game::DescribeGame(open_game::ReadGameFacts(game_state_, games_, number));
    lblDecks->setText(Text(d.decks));
    lblGameTime->setText(Text(d.game_time));
    lblDiffRules->setText(Text(d.difficulty));
    lblDiffWin->setText(Text(d.winning));
    lblSkill->setText(Text(d.skill));
    lblRedeal->setText(Text(d.redeals));
    ShowIcon(*imgGameTime, library_, d.game_time_icon);
    ShowIcon(*imgDifficult, library_, d.difficulty_icon);
    ShowIcon(*imgWinning, library_, d.winning_icon);
    ShowIcon(*imgSkill, library_, d.skill_icon);
    DrawPreview();
}

void GameInfoPanel::DrawPreview() {
    Surface picture;
    if (chkPreview->isChecked() && game_)
        LoadResourceBitmap(library_, open_game::PreviewBitmapName(games_, *game_), &picture);
    const Surface preview = open_game::PaintPreview(preview_background_, picture, ScreenColorCount());
    imgGame->setPixmap(QPixmap::fromImage(preview.Image()));
}

}  // namespace velmora
