// Game information, the card counter, the tip of the day, and the table's
// pop-up menu on a right click where the right button means nothing to
// the game.
#include <QAction>
#include <QMenu>
#include <QScreen>

#include <cmath>

#include "engine/deal/shuffle.h"
#include "engine/layout/card_positions.h"
#include "engine/model/custom_games.h"
#include "engine/model/games_file_rules.h"
#include "engine/play/unseen_cards.h"
#include "storage/result_recorder.h"
#include "ui/dialogs/card_counter_window.h"
#include "ui/dialogs/game_info_box.h"
#include "ui/main/clock_text.h"
#include "ui/main/main_window.h"
#include "ui/main/table_input.h"
#include "ui/main/table_widget.h"

namespace velmora {
namespace {

constexpr const char* kNone = "-";

std::string Optional(const std::optional<int>& value, std::string (*write)(int)) {
    return value ? write(*value) : std::string(kNone);
}

std::string Decimal(int value) { return std::to_string(value); }
std::string Elapsed(int seconds) { return FormatElapsed(seconds); }

GameResultsText ResultsText(const std::string& player, const ResultSummary& summary) {
    GameResultsText text;
    text.player = player;
    text.played = Decimal(summary.played);
    text.won = Decimal(summary.won);
    text.win_rate = summary.played == 0 ? std::string(kNone)
                                        : Decimal(static_cast<int>(std::lround(summary.WinRate() * 100))) + "%";
    text.best_time = Optional(summary.best_seconds, Elapsed);
    text.best_score = Optional(summary.best_score, Decimal);
    return text;
}

}  // namespace

void TfrmMain::BuildExtraCommands() {
    Connect(Item("mnuGameInformation"), &TfrmMain::mnuGameInformationClick);
    Connect(Item("mnuCardCounter"), &TfrmMain::mnuCardCounterClick);
    Connect(Item("mnuTips"), &TfrmMain::mnuTipsClick);
    // The pop-up menu offers what the main menu offers at that moment.
    connect(popMain, &QMenu::aboutToShow, this, [this] {
        for (QAction* action : popMain->actions()) {
            const QAction* command = Item(action->property("command").toByteArray().constData());
            action->setEnabled(command && command->isEnabled() && command->isVisible());
        }
    });
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(table_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { ShowTablePopup(at); });
}

void TfrmMain::ShowTablePopup(const QPoint& at) {
    if (!started_ || winning_running_ || hold_depth_ > 0) return;
    if (table_->Input() && table_->Input()->Carrying()) return;
    // On a pile of a game in progress the right button belongs to the game.
    if (engine_.flags.Get(flag::kInProgress) && !CardAt(engine_, at.x(), at.y()).pile.empty()) return;
    popMain->popup(table_->mapToGlobal(at));
}

void TfrmMain::mnuGameInformationClick() {
    const int game = CurrentGameId(engine_.params);
    if (!started_ || game < 0) return;
    const ResultSummary summary = Summarize(ReadCurrentPlayerResults(engine_.params).records, game);
    auto* box = new GameInfoBox(engine_.main_game, games_, library_, game,
                                QString::fromStdString(GameName(engine_.main_game, games_, game)),
                                ResultsText(ResultsPlayerName(engine_.params), summary), this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void TfrmMain::mnuCardCounterClick() {
    if (!started_) return;
    if (!card_counter_) {
        card_counter_ = new CardCounterWindow(this);
        card_counter_->adjustSize();
        // Beside the window's right edge, inside the screen.
        QPoint place = frameGeometry().topRight() + QPoint(8, 0);
        if (const QScreen* shown_on = screen()) {
            const QRect room = shown_on->availableGeometry();
            place.setX(std::min(place.x(), room.right() - card_counter_->width()));
        }
        card_counter_->move(place);
    }
    card_counter_->show();
    card_counter_->raise();
    RefreshCardCounter();
}

void TfrmMain::RefreshCardCounter() {
    if (!card_counter_ || !card_counter_->isVisible()) return;
    card_counter_->ShowCounts(CountUnseenCards(engine_), JokersInGame(engine_) > 0);
}

void TfrmMain::mnuTipsClick() { host_->ShowTips(); }

}  // namespace velmora
