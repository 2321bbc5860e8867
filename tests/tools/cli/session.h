#pragma once
// A driver talked to one command at a time, as a script would.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "driver.h"

namespace velmora::cli {

inline std::vector<std::string> AnswerLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream answer(text);
    for (std::string line; std::getline(answer, line);) lines.push_back(line);
    return lines;
}

class Session {
public:
    Session() : driver_(VELMORA_PROGRAM_DIR, std::string(VELMORA_PROGRAM_DIR) + "GAMES.DAT") {}
    // The same on game definitions a test has changed.
    explicit Session(GamesData games) : driver_(VELMORA_PROGRAM_DIR, std::move(games)) {}

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

private:
    Driver driver_;
};

}  // namespace velmora::cli
