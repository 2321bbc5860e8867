// Preparing the table for a newly chosen game, from game definitions made
// up here.
#include "engine/layout/prepare_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/layout/pile_layout.h"
#include "engine/model/engine.h"
#include "text/fixed_text.h"
#include "text/sections.h"

namespace velmora {
namespace {

using Entries = std::vector<std::pair<int, int>>;

// One game's definition as GAMES.DAT stores it.
GamesData OneGame(int id, const std::string& name, const Entries& entries) {
    std::string text = "[Sect1]\r\n" + ShiftText("004 " + ZeroPad(id, 3) + "0 1" + PadRight(name, 50)) + "\r\n";
    text += "[Sect2]\r\n";
    for (const auto& [entry, value] : entries)
        text += ZeroPad(entry, 4) + Spaces(12) + ShiftText(PadRight(std::to_string(value), 10)) + " \r\n";
    return ParseGamesData(text);
}

class CommandLog : public TableView {
public:
    void SetAutoplayButtons(bool on) override { calls.push_back(std::string("autoplay ") + (on ? "on" : "off")); }
    void SetUndoButtons(bool on) override { calls.push_back(std::string("undo ") + (on ? "on" : "off")); }
    void SetSaveCommands(bool on) override { calls.push_back(std::string("save ") + (on ? "on" : "off")); }
    void ReloadCardImages() override { calls.push_back("reload"); }
    std::vector<std::string> calls;
};

class PrepareTableTest : public ::testing::Test {
protected:
    PrepareTableTest() : engine_(EngineInit("/t/")) {
        e().view = &log_;
        e().params.ParamWrite(param::kCardSize, 1, "B");
        e().params.ParamWrite(param::kCardsShadowed, 1, "Y");
    }
    Engine& e() { return *engine_; }
    bool Prepare(const Entries& entries, int screen_width = 1280) {
        data_ = OneGame(7, "Seven", entries);
        LoadCatalogue(e(), data_);
        return LoadGameAndPrepareTable(e(), data_, 7, MainWindowInputs(1280, 800, 0, 0, screen_width, 800));
    }

    std::unique_ptr<Engine> engine_;
    CommandLog log_;
    GamesData data_;
};

const Entries kTenColumns = {{307, 52}, {18, 1}, {20, 1}, {37, 2}, {3, 1}, {303, 4}, {293, 1}, {294, 1},
                             {304, 10}, {295, 1}, {296, 2}};

TEST_F(PrepareTableTest, LoadsChecksEnablesSetsFansAndLaysOut) {
    e().main_game.SetReserveX(9, 1);  // left from an earlier game
    e().main_game.SetReserveY(9, 1);
    ASSERT_TRUE(Prepare(kTenColumns, 800));
    EXPECT_EQ(e().R(304), 10);
    EXPECT_EQ(e().params.ParamRead(param::kGameName, 50), "Seven");
    // The screen check ran first: medium cards, and the fans and the layout
    // follow them.
    EXPECT_EQ(e().geometry.card, (CardSize{59, 80}));
    EXPECT_NE(e().quiet_messages.last, "");
    EXPECT_EQ(e().main_game.Field(field::kFanUpY), 14);
    EXPECT_EQ(log_.calls, (std::vector<std::string>{"reload", "autoplay on", "undo off", "save off"}));
    EXPECT_TRUE(IsPlacedY(TableauY(e().tableau_anchors, e().main_game, 9)));
    EXPECT_EQ(TableauX(e().tableau_anchors, 1) - TableauX(e().tableau_anchors, 0), 59 + 20);
    EXPECT_EQ(e().main_game.ReserveY(9), kUnplacedReserve);
    EXPECT_EQ(e().geometry.inputs.screen_width, 800);
}

TEST_F(PrepareTableTest, CommandsFollowTheGame) {
    Entries entries = kTenColumns;
    entries.push_back({18, 0});
    entries.push_back({20, 0});
    ASSERT_TRUE(Prepare(entries));
    EXPECT_EQ(log_.calls, (std::vector<std::string>{"autoplay off", "undo on", "save on"}));
    e().params.ParamWrite(137, 1, "2");  // the player turned undo off
    log_.calls.clear();
    ASSERT_TRUE(Prepare(entries));
    EXPECT_EQ(log_.calls, (std::vector<std::string>{"autoplay off", "undo off", "save on"}));
}

TEST_F(PrepareTableTest, AnUnknownTableauCodePlacesEveryOtherGroup) {
    ASSERT_TRUE(Prepare({{307, 52}, {304, 8}, {295, 77}, {296, 2}, {303, 4}, {293, 1}, {294, 1},
                         {305, 2}, {298, 5}, {299, 3}, {302, 2}, {291, 5}, {292, 1}}));
    for (int i = 0; i < TableauAnchors::kEntries; ++i)
        EXPECT_EQ(TableauY(e().tableau_anchors, e().main_game, i), kUnplacedTableau) << i;
    EXPECT_TRUE(IsPlacedY(e().main_game.FoundationY(3)));
    EXPECT_TRUE(IsPlacedY(e().main_game.ReserveY(1)));
    EXPECT_TRUE(IsPlacedY(e().main_game.StockAreaY(1)));
}

TEST_F(PrepareTableTest, AGameThatDoesNotLoadLeavesTheTableAlone) {
    ASSERT_TRUE(Prepare(kTenColumns));
    const int x = TableauX(e().tableau_anchors, 0);
    EXPECT_FALSE(LoadGameAndPrepareTable(e(), data_, 8, e().geometry.inputs));
    EXPECT_FALSE(Prepare({{304, 8}, {295, 1}}));  // no cards: no game
    EXPECT_EQ(TableauX(e().tableau_anchors, 0), x);
}

}  // namespace
}  // namespace velmora
