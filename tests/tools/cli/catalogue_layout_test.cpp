// Every game of the catalogue laid out in the window sizes players have and
// with each card size: no pile outside the window, no two piles on top of
// each other (except where a game stacks them by design, as the pyramid's
// rows), and every card a player may want to take shows a part of itself
// inside the window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session.h"

namespace velmora::cli {
namespace {

bool IsTableau(const std::string& name) { return name.rfind("Fila", 0) == 0; }

// The rows of a pyramid or of the peaks overlap by design: they are
// tableau piles.
bool StacksTableausByDesign(const std::string& game) { return game == "Pyramid" || game == "Tri-Peaks"; }

void CheckTable(Session& s, const std::string& game, int w, int h, const std::string& cards) {
    SCOPED_TRACE(game + " at " + std::to_string(w) + " x " + std::to_string(h) + ", cards " + cards);
    const std::vector<PlacedPile> piles = ReadLayout(s);
    const Rect window{0, 0, w, h};
    for (size_t i = 0; i < piles.size(); ++i) {
        const PlacedPile& p = piles[i];
        EXPECT_TRUE(p.anchor.left >= 0 && p.anchor.right <= w && p.anchor.top >= 0 && p.anchor.bottom <= h)
            << p.name << " lies at " << p.anchor.left << "," << p.anchor.top << " to " << p.anchor.right << ","
            << p.anchor.bottom;
        for (size_t j = i + 1; j < piles.size(); ++j) {
            const PlacedPile& q = piles[j];
            if (StacksTableausByDesign(game) && IsTableau(p.name) && IsTableau(q.name)) continue;
            EXPECT_FALSE(p.anchor.Intersects(q.anchor)) << p.name << " and " << q.name << " overlap";
        }
        // A fanned card shows the strip the next card leaves free; that strip
        // must be in the window for the pointer to reach it.
        for (size_t c = 0; c < p.cards.size(); ++c) {
            Rect shown = p.cards[c];
            if (c + 1 < p.cards.size()) {
                const Rect& next = p.cards[c + 1];
                if (next == shown) continue;  // squared: only the top card is taken
                if (next.top > shown.top) shown.bottom = std::min(shown.bottom, next.top);
                if (next.left > shown.left) shown.right = std::min(shown.right, next.left);
            }
            EXPECT_TRUE(shown.Intersects(window)) << p.name << " card " << c + 1 << " is out of reach";
        }
    }
}

TEST(CatalogueLayout, EveryGameFitsEveryWindowWithEveryCardSize) {
    Session s(true);
    const std::vector<std::string> games = s.Lines("games");
    for (const std::string& entry : games) {
        const std::string id = entry.substr(0, entry.find(' '));
        const std::string name = entry.substr(entry.find(' ') + 1);
        for (const auto& [w, h] : {std::pair{800, 600}, {1024, 768}, {1280, 800}, {1920, 1080}}) {
            const std::string size = std::to_string(w) + " " + std::to_string(h);
            s.Lines("window " + size + " " + size);
            s.Lines("new " + id + " 1");
            for (const char* cards : {"F", "B", "M", "L"}) {
                s.Lines(std::string("size ") + cards);
                CheckTable(s, name, w, h, cards);
            }
        }
    }
}

}  // namespace
}  // namespace velmora::cli
