#include "engine/play/card_census.h"

#include "engine/model/card_code.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/move_log.h"

namespace velmora {

std::vector<PileRef> ShownPiles(const Engine& e) {
    std::vector<PileRef> piles;
    for (int i = 0; i < kStockAreaPiles; ++i) piles.push_back({ListId::Stock, i});
    for (int i = 0; i < FoundationsInUse(e); ++i) piles.push_back({ListId::Foundation, i});
    for (int i = 0; i < TableauInUse(e); ++i) piles.push_back({ListId::Tableau, i});
    for (int i = 0; i < ReservesInUse(e); ++i) piles.push_back({ListId::Reserve, i});
    return piles;
}

CardCensus TakeCensus(const Engine& e) {
    CardCensus census;
    auto fault = [&census](const std::string& what) {
        if (census.fault.empty()) census.fault = what;
    };
    // Reads one pile; `selection` names cards that may lie on a pile too.
    auto count = [&](PileRef ref, bool selection) {
        const std::string name = PileName(ref);
        const std::string& text = e.piles.Text(ref.list, ref.index);
        if (text.size() % 3 != 0) fault(name + " ends in a partial unit: \"" + text + "\"");
        for (int code : PileCodes(text)) {
            if (code == kNoCard) continue;  // the place of an empty slot
            if (code < 0 || code > kLastCard) {
                fault(name + " holds a unit that is no card code: \"" + text + "\"");
                continue;
            }
            const char face = e.cards.FaceChar(code);
            if (face != kFaceUp && face != kFaceDown)
                fault("card " + std::to_string(code) + " has face state '" + std::string(1, face) +
                      "'");
            if (selection) {
                census.piles.emplace(code, name);
                continue;
            }
            const auto [at, added] = census.piles.emplace(code, name);
            if (!added)
                fault("card " + std::to_string(code) + " lies on " + at->second + " and on " +
                      name);
        }
    };
    const bool selection_game = KeepsSelection(e);
    for (const PileRef& ref : ShownPiles(e))
        if (!(ref.list == ListId::Foundation && ref.index == 0 && selection_game))
            count(ref, false);
    if (selection_game && FoundationsInUse(e) > 0) count({ListId::Foundation, 0}, true);
    return census;
}

std::string CompareCensus(const CardCensus& before, const CardCensus& now) {
    if (!now.fault.empty()) return now.fault;
    for (const auto& [code, pile] : before.piles)
        if (!now.piles.contains(code))
            return "card " + std::to_string(code) + " left " + pile + " and vanished";
    for (const auto& [code, pile] : now.piles)
        if (!before.piles.contains(code))
            return "card " + std::to_string(code) + " turned up on " + pile;
    return {};
}

}  // namespace velmora
