#pragma once
// A table to test card positions on: every pile unplaced until a test puts
// it somewhere, big cards, tableaus fanned downward, foundations and
// reserves squared.

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "engine/layout/card_positions.h"
#include "engine/model/card_code.h"
#include "engine/model/engine.h"
#include "engine/model/pile_names.h"

namespace velmora::layout_test {

class LayoutTable {
public:
    LayoutTable() : engine_(EngineInit("/t/")) {
        PrepareTable(*engine_);
        MarkPilesUnplaced(engine_->main_game, engine_->tableau_anchors);
        Rule(303, 4).Rule(304, 8).Rule(305, 4).Fans(1, 3, 3);
    }
    LayoutTable& Rule(int n, int value) {
        engine_->rules.Set(n, value);
        return *this;
    }
    // Fan modes of tableaus, foundations and reserves, with their offsets.
    LayoutTable& Fans(int tableau, int foundation, int reserve, char size = 'B') {
        Rule(3, tableau).Rule(4, foundation).Rule(5, reserve);
        CardSizeForLetter(size, engine_->geometry.card);
        SetFanOffsets(*engine_, size);
        return *this;
    }
    // The pile's cards, bottom first, all face up.
    LayoutTable& Put(std::string_view pile, std::initializer_list<int> cards) {
        const PileRef ref = *ParsePileName(pile);
        std::string& text = *engine_->piles.Pile(ref.list, ref.index);
        text.clear();
        for (int code : cards) {
            text += CardCodeText(code);
            engine_->cards.SetFaceState(code, kFaceUp);
        }
        return *this;
    }
    LayoutTable& FaceDown(std::initializer_list<int> cards) {
        for (int code : cards) engine_->cards.SetFaceState(code, kFaceDown);
        return *this;
    }
    // Places the pile's anchor (its stored position).
    LayoutTable& At(std::string_view pile, int x, int y) {
        const PileRef ref = *ParsePileName(pile);
        TMainGame& g = engine_->main_game;
        switch (ref.list) {
            case ListId::Stock: g.SetStockAreaX(ref.index, x), g.SetStockAreaY(ref.index, y); break;
            case ListId::Foundation: g.SetFoundationX(ref.index, x), g.SetFoundationY(ref.index, y); break;
            case ListId::Tableau:
                SetTableauX(engine_->tableau_anchors, ref.index, x);
                SetTableauY(engine_->tableau_anchors, ref.index, y);
                break;
            case ListId::Reserve: g.SetReserveX(ref.index, x), g.SetReserveY(ref.index, y); break;
        }
        return *this;
    }
    Engine& e() { return *engine_; }

private:
    std::unique_ptr<Engine> engine_;
};

// Big-card rectangle with its top-left at (x, y).
inline Rect Big(int x, int y) { return {x, y, x + 71, y + 96}; }

}  // namespace velmora::layout_test
