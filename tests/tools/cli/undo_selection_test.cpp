// Undo and redo keep every card whatever the rules row says. A row that makes
// a game with foundations keep a selection on foundation 1 (R[38] not 0, or
// R[47] 3 or 4) still lets automatic play put cards there; the move log must
// keep them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "card_census.h"
#include "hostile_rules.h"
#include "session.h"

namespace velmora::cli {
namespace {

// The first deal of Freecell dealt with automatic play off, then switched
// on: automatic play puts the Ace of hearts on foundation 1.
TEST(UndoSelectionRows, UndoAndRedoKeepTheCardOnFoundationOne) {
    for (const RulesRow& row : {RulesRow{{38, -32768}}, RulesRow{{38, 1}}, RulesRow{{47, 3}}, RulesRow{{47, 4}}}) {
        SCOPED_TRACE(DescribeRow(row));
        Session s(ShippedGamesWith(row));
        s.Lines("autoplay off");
        const auto dealt_state = s.Lines("new 1 1");
        const CardCensus dealt = TakeCensus(s.engine());
        ASSERT_EQ(dealt.piles.size(), 52u);
        EXPECT_EQ(s.Say("autoplay on"), "done");
        ASSERT_EQ(s.State("Dest1"), "Dest1 0011") << "automatic play put the Ace there";
        const auto played = s.Lines("state");
        EXPECT_EQ(s.Say("undo"), "done");
        EXPECT_EQ(s.Lines("state"), dealt_state);
        EXPECT_EQ(s.Say("redo"), "done");
        EXPECT_EQ(s.Lines("state"), played);
        EXPECT_EQ(CompareCensus(dealt, TakeCensus(s.engine())), "");
        EXPECT_EQ(s.Say("undo"), "done");
        EXPECT_EQ(s.Say("redo"), "done");
        EXPECT_EQ(s.Lines("state"), played) << "a second round trip";
    }
}

// A stored command stream: "#" lines are comments; "rule <entry> <value>"
// lines before the first command set that entry for every game; every other
// line is a driver command.
struct CommandStream {
    RulesRow row;
    std::vector<std::string> commands;
};

CommandStream ReadCommandStream(const std::filesystem::path& path) {
    CommandStream stream;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.starts_with('#')) continue;
        const std::vector<std::string> words = SplitWords(line);
        if (stream.commands.empty() && words.size() == 3 && words[0] == "rule")
            stream.row.emplace_back(std::stoi(words[1]), std::stoi(words[2]));
        else
            stream.commands.push_back(line);
    }
    return stream;
}

// Every command is answered, and after each one the table holds the cards
// of the last deal, each once.
TEST(UndoSelectionRows, StoredCommandStreamsKeepEveryCard) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(VELMORA_CLI_REGRESSIONS))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty());
    for (const std::filesystem::path& file : files) {
        const CommandStream stream = ReadCommandStream(file);
        SCOPED_TRACE(file.filename().string() + " with " + DescribeRow(stream.row));
        ASSERT_FALSE(stream.commands.empty());
        Session s(ShippedGamesWith(stream.row));
        CardCensus dealt = TakeCensus(s.engine());
        for (const std::string& command : stream.commands) {
            const auto answer = s.Raw(command);
            ASSERT_FALSE(answer.empty()) << command;
            EXPECT_TRUE(answer.back() == "ok" || answer.back().starts_with("error: ")) << command;
            const CardCensus now = TakeCensus(s.engine());
            if (command.starts_with("new")) {
                ASSERT_EQ(now.fault, "") << command;
                dealt = now;
            } else {
                ASSERT_EQ(CompareCensus(dealt, now), "") << "after " << command;
            }
        }
    }
}

}  // namespace
}  // namespace velmora::cli
