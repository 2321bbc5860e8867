#pragma once
// A driver talked to one command at a time, as a script would.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "driver.h"
#include "engine/layout/table_geometry.h"

namespace velmora::cli {

inline std::vector<std::string> AnswerLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream answer(text);
    for (std::string line; std::getline(answer, line);) lines.push_back(line);
    return lines;
}

class Session {
public:
    // The tables of the tests are laid out with big cards, whose places they
    // know; `fitted` keeps the driver's own default, cards that follow the window.
    explicit Session(bool fitted = false)
        : driver_(VELMORA_PROGRAM_DIR, std::string(VELMORA_PROGRAM_DIR) + "GAMES.DAT") {
        if (!fitted) Lines("size B");
    }
    // The same on game definitions a test has changed.
    explicit Session(GamesData games) : driver_(VELMORA_PROGRAM_DIR, std::move(games)) { Lines("size B"); }

    // Everything a command answers, the final "ok" or error line included.
    std::vector<std::string> Raw(const std::string& command) {
        std::ostringstream out;
        driver_.Execute(command, out);
        return AnswerLines(out.str());
    }
    // The answer without its final "ok"; an error fails the test.
    std::vector<std::string> Lines(const std::string& command) {
        std::vector<std::string> lines = Raw(command);
        EXPECT_EQ(lines.back(), "ok") << command;
        lines.pop_back();
        return lines;
    }
    // The one word a command answers ("moved", "done" ...).
    std::string Say(const std::string& command) {
        const auto lines = Lines(command);
        return lines.size() == 1 ? lines[0] : "";
    }
    // A line of "state" that starts with `name` ("Fila3 ...", "score -52").
    std::string State(const std::string& name) {
        for (const std::string& line : Lines("state"))
            if (line == name || line.rfind(name + " ", 0) == 0) return line;
        return "";
    }
    Engine& engine() { return driver_.engine(); }
    Driver& driver() { return driver_; }

private:
    Driver driver_;
};

// Klondike deal 7 by hand, autoplay off: `presses` turns of the stock, the
// first move the player could drag, and one more turn.
inline void PlayKlondikeByHand(Session& s, int presses) {
    s.Lines("autoplay off");
    s.Lines("new 2 7");
    for (int press = 0; press < presses; ++press) s.Lines("press Mazzo");
    std::istringstream first(s.Lines("moves").at(0));
    std::string code, from, to;
    first >> code >> from >> to;
    ASSERT_EQ(s.Say("drop " + code + " " + to), "moved");
    s.Lines("press Mazzo");
}

// One line of "layout": a placed pile with its anchor and its cards.
struct PlacedPile {
    std::string name;
    Rect anchor;              // the bottom card's place
    std::vector<Rect> cards;  // bottom card first
};

inline std::vector<PlacedPile> ReadLayout(Session& s) {
    const CardSize card = s.engine().geometry.card;
    std::vector<PlacedPile> piles;
    for (const std::string& line : s.Lines("layout")) {
        std::istringstream words(line);
        PlacedPile pile;
        int x = 0;
        int y = 0;
        words >> pile.name >> x >> y;
        pile.anchor = {x, y, x + card.width, y + card.height};
        for (Rect r; words >> r.left >> r.top >> r.right >> r.bottom;) pile.cards.push_back(r);
        piles.push_back(pile);
    }
    return piles;
}

}  // namespace velmora::cli
