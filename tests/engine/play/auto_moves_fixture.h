#pragma once
// Shared by the tests of scoring, the end of the game and the automatic
// moves: the engine's outward calls in order, and a free-cell game.

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/model/pile_string.h"
#include "engine/play/scoring.h"
#include "play_table.h"

namespace velmora::play_test {

class RecordingView : public TableView, public SoundEvents {
public:
    void ShowScore(std::string_view score) override { calls.push_back("score " + std::string(score)); }
    void HoldInput(bool hold) override { calls.push_back(hold ? "hold" : "release"); }
    void RunWinningAnimation() override { Log("animation", during_animation); }
    void OpenGameSelection() override { calls.push_back("selection"); }
    void AnimateCard(int card, int, int, int, int) override { Log("move " + std::to_string(card), after_move); }
    void ShowJokerLabel(int f, int rank, int suit) override {
        calls.push_back("joker " + std::to_string(f) + " " + std::to_string(rank) + " " + std::to_string(suit));
    }
    void PlayEvent(std::string_view name) override { calls.push_back("sound " + std::string(name)); }

    // The calls that start with `prefix`, without it.
    std::vector<std::string> Of(std::string_view prefix) const {
        std::vector<std::string> out;
        for (const std::string& call : calls)
            if (call.starts_with(prefix)) out.push_back(call.substr(prefix.size()));
        return out;
    }
    std::vector<std::string> calls;
    std::function<void()> during_animation, after_move;

private:
    void Log(const std::string& call, const std::function<void()>& then) {
        calls.push_back(call);
        if (then) then();
    }
};

inline void Record(Engine& e, RecordingView& view) {
    e.view = &view;
    e.sounds = &view;
}

inline std::string WhereIs(const Engine& e, int card) {
    for (ListId list : {ListId::Stock, ListId::Foundation, ListId::Tableau, ListId::Reserve})
        for (int i = 0; i < ListSize(list); ++i)
            if (PileIndexOf(e.piles.Text(list, i), card) >= 0) return PileName(PileRef{list, i});
    return "";
}

// Lays the suit from the Ace up to `top` on the pile (face states as they are).
inline void PutSuit(Table& t, std::string_view pile, int (*suit)(int), int top, std::vector<int> more = {}) {
    std::string& text = *t.e().piles.Pile(ParsePileName(pile)->list, ParsePileName(pile)->index);
    text.clear();
    for (int r = 1; r <= top; ++r) text += CardCodeText(suit(r));
    for (int card : more) text += CardCodeText(card);
}

// Every suit on its foundation but the top `left` spades, which lie on
// Fila1 (the King), Fila2 ...
inline void NearlyWon(Table& t, int left) {
    PutSuit(t, "Dest1", H, 13);
    PutSuit(t, "Dest2", D, 13);
    PutSuit(t, "Dest3", C, 13);
    PutSuit(t, "Dest4", S, 13 - left);
    for (int i = 0; i < left; ++i) t.Put("Fila" + std::to_string(i + 1), {S(13 - i)});
}

// A free-cell game in progress: foundations up in suit from the Ace,
// tableaus down in alternating colours, four cells, scoring on, the
// settings of an empty settings file, autoplay ticked and enabled.
inline void FreecellGame(Table& t) {
    for (int f = 0; f < 4; ++f) t.Rule(48 + f, 1).Rule(64 + f, 1).Rule(80 + f, 0);
    for (int i = 0; i < 8; ++i) t.Rule(128 + i, -1).Rule(156 + i, 0).Rule(184 + i, 3);
    t.Rule(31, 13).Rule(2, 1).Rule(12, -5).Rule(307, 52).Rule(41, 1);
    Engine& e = t.e();
    for (auto [position, value] : {std::pair{120, "01"}, {239, "Y"}, {249, "Y"}, {251, "N"}})
        e.params.ParamWrite(position, position == 120 ? 2 : 1, value);
    e.play.autoplay_checked = e.play.autoplay_enabled = true;
    e.flags.Set(flag::kInProgress, true);
}

class FreecellTest : public ::testing::Test {
protected:
    void SetUp() override {
        FreecellGame(t);
        Record(t.e(), rec);
    }
    Engine& e() { return t.e(); }
    std::string Where(int card) { return WhereIs(e(), card); }
    Table t;
    RecordingView rec;
};

}  // namespace velmora::play_test
