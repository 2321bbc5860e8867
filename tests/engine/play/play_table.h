#pragma once
// A table to test the move rules on: an engine with a built card table and
// the piles and rules entries a test sets.

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "engine/model/card_code.h"
#include "engine/model/card_table.h"
#include "engine/model/engine.h"
#include "engine/model/pile_names.h"
#include "engine/play/move_description.h"
#include "engine/play/rule_interpreter.h"

namespace velmora::play_test {

constexpr int A = 1, J = 11, Q = 12, K = 13;
constexpr int H(int rank) { return rank; }
constexpr int D(int rank) { return 13 + rank; }
constexpr int C(int rank) { return 26 + rank; }
constexpr int S(int rank) { return 39 + rank; }
constexpr int kJoker = 105;
constexpr int kNone = -1;

class Table {
public:
    // Four foundations, eight tableaus, four reserves; no capacity limits.
    Table() : engine_(EngineInit("/t/")) {
        PrepareTable(*engine_);
        Rule(303, 4).Rule(304, 8).Rule(305, 4).Rule(31, 104).Rule(32, -1);
    }
    Table& Rule(int n, int value) {
        engine_->rules.Set(n, value);
        return *this;
    }
    // Replaces a pile by these cards, bottom first, all face up.
    Table& Put(std::string_view pile, std::initializer_list<int> cards) {
        std::string* text = engine_->piles.Pile(ParsePileName(pile)->list, ParsePileName(pile)->index);
        text->clear();
        for (int code : cards) {
            *text += CardCodeText(code);
            engine_->cards.SetFaceState(code, kFaceUp);
        }
        return *this;
    }
    Table& FaceDown(int card) {
        engine_->cards.SetFaceState(card, kFaceDown);
        return *this;
    }
    Engine& e() { return *engine_; }
    MoveSpec Move(int card) const { return DescribeMove(*engine_, card); }

private:
    std::unique_ptr<Engine> engine_;
};

// One question to the rule interpreter. Defaults: tableau 0 built down,
// empty rule -1 (any card), base rank 1, no wrap, a drop.
struct Case {
    Case(std::string what_, int code, int target, int moving, bool accepted_)
        : what(std::move(what_)), accepted(accepted_) {
        in.build_code = code;
        in.target = target;
        in.moving = moving;
        in.empty_rule = -1;
        in.base_rank = 1;
    }
    Case& Up() { return Dir(1); }
    Case& Either() { return Dir(2); }
    Case& Dir(int d) { in.direction = d; return *this; }
    Case& Fnd(int pile = 0) { in.foundation = true; in.wrap = 1; return Pile(pile); }
    Case& Pile(int i) { in.pile = i; return *this; }
    Case& Empty(int rule) { in.empty_rule = rule; return *this; }
    Case& Base(int rank) { in.base_rank = rank; return *this; }
    Case& Wrap(int w) { in.wrap = w; return *this; }
    Case& Deal() { in.drop = false; return *this; }
    Case& With(std::function<void(Table&)> f) { setup = std::move(f); return *this; }

    std::string what;
    PlaceInputs in;
    bool accepted;
    std::function<void(Table&)> setup;
};

// Each case on a fresh table; the move is described from where the setup
// put the moving card.
inline void Check(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        Table t;
        if (c.setup) c.setup(t);
        EXPECT_EQ(CanPlaceCard(t.e(), c.in, t.Move(c.in.moving)).accepted, c.accepted)
            << c.what << " (build code " << c.in.build_code << ")";
    }
}

// Setups used by many cases.
inline std::function<void(Table&)> On(std::string_view pile, std::initializer_list<int> cards) {
    const std::string name(pile);
    const std::vector<int> list(cards);
    return [name, list](Table& t) {
        std::string* text = t.e().piles.Pile(ParsePileName(name)->list, ParsePileName(name)->index);
        text->clear();
        for (int code : list) *text += CardCodeText(code);
    };
}
inline std::function<void(Table&)> Set(int entry, int value) {
    return [entry, value](Table& t) { t.Rule(entry, value); };
}
inline std::function<void(Table&)> All(std::vector<std::function<void(Table&)>> steps) {
    return [steps](Table& t) {
        for (const auto& step : steps) step(t);
    };
}

}  // namespace velmora::play_test
