#include "engine/play/spoken_moves.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "engine/model/card_table.h"
#include "engine/model/engine.h"
#include "engine/model/pile_string.h"
#include "engine/model/spoken_names.h"

namespace velmora {

namespace {

// Beyond this many runs at once the change is told as a deal.
constexpr size_t kMostMovesTold = 4;

const char* kCountWords[] = {"no", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten"};

std::string CountWord(int n) {
    return n >= 0 && n <= 10 ? kCountWords[n] : std::to_string(n);
}

// The cards a pile gained and lost: what follows the part both texts share.
struct PileChange {
    PileRef pile;
    std::vector<int> gained;
    std::vector<int> lost;
};

std::vector<int> RealCards(const std::vector<int>& codes, size_t from) {
    std::vector<int> out;
    for (size_t i = from; i < codes.size(); ++i)
        if (codes[i] > 0) out.push_back(codes[i]);
    return out;
}

std::vector<PileChange> Changes(const Engine& e, const PileLists& before) {
    std::vector<PileChange> out;
    for (ListId list : {ListId::Stock, ListId::Foundation, ListId::Tableau, ListId::Reserve})
        for (int i = 0; i < ListSize(list); ++i) {
            const std::string& was = before.Text(list, i);
            const std::string& now = e.piles.Text(list, i);
            if (was == now) continue;
            const std::vector<int> a = PileCodes(was);
            const std::vector<int> b = PileCodes(now);
            size_t same = 0;
            while (same < a.size() && same < b.size() && a[same] == b[same]) ++same;
            out.push_back({PileRef{list, i}, RealCards(b, same), RealCards(a, same)});
        }
    return out;
}

// "seven of hearts", "seven of hearts and two more", "three cards".
std::string RunWords(const Engine& e, const std::vector<int>& run) {
    const int first = run.front();
    const int more = static_cast<int>(run.size()) - 1;
    if (e.cards.FaceChar(first) != kFaceUp)
        return run.size() == 1 ? "a card" : CountWord(static_cast<int>(run.size())) + " cards";
    return CardSpokenName(first) + (more > 0 ? " and " + CountWord(more) + " more" : "");
}

std::string FromPile(const Engine& e, const std::vector<PileChange>& changes, int card) {
    for (const PileChange& c : changes)
        if (std::find(c.lost.begin(), c.lost.end(), card) != c.lost.end())
            return " from " + PileSpokenName(e, c.pile);
    return "";
}

}  // namespace

std::string SpokenChange(const Engine& e, const PileLists& before) {
    const std::vector<PileChange> changes = Changes(e, before);
    std::vector<std::string> moves;
    for (const PileChange& c : changes) {
        if (c.gained.empty()) continue;
        moves.push_back(RunWords(e, c.gained) + FromPile(e, changes, c.gained.front()) + " to " +
                        PileSpokenName(e, c.pile));
    }
    if (moves.empty()) {
        // Cards that only left the table (a pair taken off, a run removed whole).
        for (const PileChange& c : changes)
            if (!c.lost.empty()) moves.push_back(RunWords(e, c.lost) + " removed from " + PileSpokenName(e, c.pile));
    }
    if (moves.size() > kMostMovesTold) return "Cards dealt";
    std::string text;
    for (std::string move : moves) {
        // Each move a sentence of its own.
        move[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(move[0])));
        text += (text.empty() ? "" : ". ") + move;
    }
    return text;
}

}  // namespace velmora
