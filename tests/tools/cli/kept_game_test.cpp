// A game kept when the program closes and played on at the next start: the
// position, the move log, the score, the clock and the counters come back
// exactly, undo and redo go on from there, and a kept game that does not
// match its deal in every respect is refused, leaving the engine ready for a
// normal start.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "engine/play/resume_state.h"
#include "session.h"
#include "storage/kept_game_file.h"

namespace velmora::cli {
namespace {

StartOptions PlayOptions(Session& s) {
    StartOptions options;
    options.rules = s.driver().deal_rules;
    options.score = s.driver().score_hook;
    return options;
}

bool Restore(Session& s, const KeptGame& kept, std::string& why) {
    return RestoreKeptGame(s.engine(), s.driver().games(), PlayOptions(s), kept, why);
}

// Through the file's text, as the next start reads it.
KeptGame ThroughText(const KeptGame& kept) {
    KeptGame read;
    std::string why;
    EXPECT_TRUE(ParseKeptGame(FormatKeptGame(kept), read, why)) << why;
    return read;
}

// Klondike, played by hand through several passes of the stock and one
// move to the table, with the last step undone: both log sides hold steps.
void PlayKlondike(Session& s) {
    PlayKlondikeByHand(s, 26);
    ASSERT_EQ(s.Say("undo"), "done");
}

TEST(KeptGame, PlaysOnExactlyAsItWasLeft) {
    Session before;
    PlayKlondike(before);
    const KeptGame kept = CollectKeptGame(before.engine(), 321);
    ASSERT_GE(kept.undo.Steps(), 13);
    ASSERT_EQ(kept.redo.Steps(), 1);
    ASSERT_GT(kept.counters.passes, 1) << "the stock went round at least once";

    Session after;
    std::string why;
    ASSERT_TRUE(Restore(after, ThroughText(kept), why)) << why;
    EXPECT_EQ(after.Lines("state"), before.Lines("state"));
    EXPECT_EQ(CollectKeptGame(after.engine(), 321), kept) << "log, counters, score and shifts";
    EXPECT_TRUE(after.engine().flags.Get(flag::kInProgress));
    // Undo and redo walk the same steps in both.
    for (const char* command : {"undo", "undo", "redo", "redo", "redo"}) {
        EXPECT_EQ(after.Say(command), before.Say(command)) << command;
        EXPECT_EQ(after.Lines("state"), before.Lines("state")) << "after " << command;
    }
}

TEST(KeptGame, AFreshDealWithoutMovesIsKeptToo) {
    Session before;
    before.Lines("autoplay off");
    before.Lines("new 1 5");
    ASSERT_TRUE(GameWorthKeeping(before.engine()));
    const KeptGame kept = CollectKeptGame(before.engine(), 0);
    Session after;
    std::string why;
    ASSERT_TRUE(Restore(after, ThroughText(kept), why)) << why;
    EXPECT_EQ(after.Lines("state"), before.Lines("state"));
    EXPECT_EQ(after.Say("undo"), "nothing");
}

// Cards the deal's own automatic play moved stay where it put them: undo at
// the start of the resumed game takes nothing back, as before the close.
TEST(KeptGame, TheDealsOwnPlayIsNotUndoneAfterTheRestart) {
    int deal = 0;
    int own_steps = 0;
    for (int number = 1; number <= 60 && deal == 0; ++number) {
        Session plain;
        plain.Lines("autoplay off");
        plain.Lines("new 1 " + std::to_string(number));
        Session played;
        played.Lines("new 1 " + std::to_string(number));
        if (played.engine().play.deal_steps > plain.engine().play.deal_steps) {
            deal = number;
            own_steps = played.engine().play.deal_steps;
        }
    }
    ASSERT_GT(deal, 0) << "no Freecell deal whose aces are played at once";
    Session before;
    before.Lines("new 1 " + std::to_string(deal));
    const KeptGame kept = CollectKeptGame(before.engine(), 5);
    EXPECT_EQ(kept.counters.deal_steps, own_steps);
    Session after;
    std::string why;
    ASSERT_TRUE(Restore(after, ThroughText(kept), why)) << why;
    EXPECT_EQ(after.Lines("state"), before.Lines("state"));
    EXPECT_EQ(after.Say("undo"), "nothing");
    EXPECT_EQ(after.Lines("state"), before.Lines("state"));
}

// The first tableau line holding a card, from the 28 starting at `first`.
size_t FilledTableau(const std::vector<std::string>& lines, size_t first) {
    for (size_t n = first; n < first + 28 && n < lines.size(); ++n)
        if (!lines[n].empty()) return n;
    ADD_FAILURE() << "no card on the tableau";
    return first;
}

// Each damage in turn; the engine refuses it, says why, and is left with
// no game in progress and the game it had chosen before.
TEST(KeptGame, EveryDamagedFormIsRefused) {
    Session before;
    PlayKlondike(before);
    const KeptGame good = CollectKeptGame(before.engine(), 321);
    const size_t fila = FilledTableau(good.position, 3 + 16);  // tableaus follow stock area and foundations
    const size_t redo_fila = FilledTableau(good.redo.tableau, 0);
    const std::vector<std::pair<std::string, std::function<void(KeptGame&)>>> damages{
        {"unknown game", [](KeptGame& k) { k.game = 7999; }},
        {"deal number", [](KeptGame& k) { k.deal_number = "12a"; }},
        {"no deal number", [](KeptGame& k) { k.deal_number = ""; }},
        {"clock below 0", [](KeptGame& k) { k.seconds = -1; }},
        {"clock past a day", [](KeptGame& k) { k.seconds = 86400; }},
        {"score", [](KeptGame& k) { k.score = "abc"; }},
        {"score too wide", [](KeptGame& k) { k.score = "1234567"; }},
        {"move counter", [](KeptGame& k) { k.counters.moves = 3; }},
        {"deal's own steps", [](KeptGame& k) { k.counters.deal_steps = k.undo.Steps() + 1; }},
        {"pass counter", [](KeptGame& k) { k.counters.passes = 40000; }},
        {"shifts", [](KeptGame& k) { k.displacement[3][3] = 50; }},
        {"card missing", [&](KeptGame& k) { k.position[fila].resize(k.position[fila].size() - 4); }},
        {"card twice", [&](KeptGame& k) { k.position[0] += k.position[fila].substr(0, 4); }},
        {"foreign card", [&](KeptGame& k) { k.position[fila].replace(0, 3, "105"); }},
        {"face state", [&](KeptGame& k) { k.position[fila][3] = '2'; }},
        {"cut unit", [&](KeptGame& k) { k.position[fila].pop_back(); }},
        {"57 lines", [](KeptGame& k) { k.position.pop_back(); }},
        {"undo step with a card missing", [&](KeptGame& k) { k.undo.tableau[0].resize(k.undo.tableau[0].size() - 4); }},
        {"redo step with a card twice", [&](KeptGame& k) { k.redo.stock_area[0] += k.redo.tableau[redo_fila].substr(0, 4); }},
        {"card on a pile the game does not use", [&](KeptGame& k) { k.position[56] += k.position[fila].substr(0, 4); }},
        {"undo side short of a line", [](KeptGame& k) { k.undo.reserves.pop_back(); }},
        {"annotation", [](KeptGame& k) { k.undo.annotations.replace(0, 1, "01,"); }},
        {"annotations short", [](KeptGame& k) { k.redo.annotations.clear(); }},
        {"won game", [](KeptGame& k) {
             // Every card home on the foundations: nothing is left to play.
             k.position.assign(57, "");
             for (int card = 1; card <= 52; ++card)
                 k.position[3 + static_cast<size_t>((card - 1) / 13)] +=
                     std::string(card < 10 ? "00" : "0") + std::to_string(card) + "1";
             k.undo.Clear();
             k.redo.Clear();
         }},
    };
    Session after;
    const std::string chosen = after.engine().params.ParamRead(param::kGameId, 4);
    for (const auto& [what, damage] : damages) {
        KeptGame kept = good;
        damage(kept);
        std::string why;
        EXPECT_FALSE(Restore(after, kept, why)) << what;
        EXPECT_FALSE(why.empty()) << what;
        EXPECT_FALSE(after.engine().flags.Get(flag::kInProgress)) << what;
        EXPECT_EQ(after.engine().params.ParamRead(param::kGameId, 4), chosen) << what;
    }
    std::string why;
    EXPECT_TRUE(Restore(after, good, why)) << "the refusals left the engine usable: " << why;
}

}  // namespace
}  // namespace velmora::cli
