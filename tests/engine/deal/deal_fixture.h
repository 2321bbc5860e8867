#pragma once
// Shared set-up for the deal tests: an engine with a built card table, rule
// values by entry, and move rules that build foundations up by suit.

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/deal/deal_context.h"
#include "engine/deal/shuffle.h"
#include "engine/model/card_code.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"

namespace velmora {

using Codes = std::vector<int>;

// Ace onto an empty foundation, then the next rank of the same suit.
class BuildUpBySuit : public DealRules {
public:
    bool CanPlaceOnFoundation(const Engine& e, int card, int f) const override {
        const int top = PileTop(e.piles.Text(ListId::Foundation, f));
        if (top < 1) return CardRank(card) == 1;
        return CardSuit(card) == CardSuit(top) && CardRank(card) == CardRank(top) + 1;
    }
};

// Gives one answer to every placement and records what was asked.
class AcceptAll : public DealRules {
public:
    explicit AcceptAll(bool answer = true) : answer(answer) {}
    bool CanPlaceOnFoundation(const Engine&, int card, int f) const override {
        asked.emplace_back(card, f);
        return answer;
    }
    bool answer;
    mutable std::vector<std::pair<int, int>> asked;
};

inline Codes Range(int first, int last) {
    Codes codes;
    for (int c = first; c <= last; ++c) codes.push_back(c);
    return codes;
}

inline DealBuffer BufferOf(std::initializer_list<int> codes) {
    DealBuffer buffer;
    for (int code : codes) buffer.push_back(CardCodeText(code));
    return buffer;
}

class DealTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine = EngineInit("/games/");
        PrepareTable(*engine);
        Rules({{307, 52}});
        Number("1234567890123");
    }
    Engine& e() { return *engine; }
    void Rules(std::initializer_list<std::pair<int, int>> values) {
        for (auto [n, v] : values) e().rules.Set(n, v);
    }
    void Number(const std::string& number) { e().params.ParamWrite(param::kDealNumber, 15, number); }
    DealBuffer Shuffled() {
        DealBuffer buffer;
        ShuffleDeck(e(), buffer);
        return buffer;
    }
    Codes Pile(ListId list, int index) { return PileCodes(e().piles.Text(list, index)); }
    Codes Tab(int t) { return Pile(ListId::Tableau, t); }
    Codes Found(int f) { return Pile(ListId::Foundation, f); }
    Codes Stock(int index = kStockIndex) { return Pile(ListId::Stock, index); }
    std::string Faces(ListId list, int index) {
        std::string faces;
        for (int code : Pile(list, index)) faces += e().cards.FaceChar(code);
        return faces;
    }
    // Every card on the table, sorted; placeholders left out.
    Codes TableCodes() {
        Codes all;
        for (int n = 0; n < kAllPiles; ++n)
            for (int code : PileCodes(*e().piles.Flat(n)))
                if (code >= 1) all.push_back(code);
        std::sort(all.begin(), all.end());
        return all;
    }
    void SetPile(ListId list, int index, std::initializer_list<int> codes, char face = kFaceUp) {
        std::string& pile = *e().piles.Pile(list, index);
        pile.clear();
        for (int code : codes) {
            pile += CardCodeText(code);
            e().cards.SetFaceState(code, face);
        }
    }

    std::unique_ptr<Engine> engine;
};

}  // namespace velmora
