// The screen check: big cards give way to the medium predefined set on a
// screen too narrow for the game, with one notice per run, and come back on
// a screen wide enough.
#include "engine/layout/screen_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/model/engine.h"

namespace velmora {
namespace {

class CommandLog : public TableView {
public:
    void SetCustomizeCommand(bool enabled) override { calls.push_back(enabled ? "customize on" : "customize off"); }
    void ReloadCardImages() override { calls.push_back("reload"); }
    std::vector<std::string> calls;
};

class ScreenCheckTest : public ::testing::Test {
protected:
    ScreenCheckTest() : engine_(EngineInit("/t/")) {
        e().view = &log_;
        ParamRecord& p = e().params;
        p.ParamWrite(param::kCardSize, 1, "B");
        p.ParamWrite(param::kCardSet, 3, "001");
        p.ParamWrite(param::kCardBack, 3, "011");
        p.ParamWrite(param::kGameName, 50, "Forty Thieves");
    }
    Engine& e() { return *engine_; }
    std::string Param(int position, int length) const { return engine_->params.ParamRead(position, length); }
    bool Check(int need, int screen_width) {
        e().rules.Set(37, need);
        LayoutInputs in;
        in.screen_width = screen_width;
        e().quiet_messages.last.clear();
        return CheckScreenForGame(e(), in);
    }

    std::unique_ptr<Engine> engine_;
    CommandLog log_;
};

constexpr const char* kNotice800 =
    "Your video card's display is 800x600 pixels. For the best graphics display of this game the screen "
    "resolution should be set to 1024x768 pixels or higher. However, it's possible to play Forty Thieves "
    "using a predefined cards set.";
constexpr const char* kNotice640 =
    "Your video card's display is 640x480 pixels. For the best graphics display the screen resolution should "
    "be set to 800x600 pixels or higher. However, it's possible to play Forty Thieves using a predefined "
    "cards set.";

TEST_F(ScreenCheckTest, BigCardsBecomeTheMediumSetOnceAndComeBack) {
    EXPECT_TRUE(Check(2, 800));
    EXPECT_EQ(e().quiet_messages.last, kNotice800);
    EXPECT_EQ(Param(param::kCardSize, 1), "M");
    EXPECT_EQ(Param(param::kCardSet, 3), "003");
    EXPECT_EQ(Param(param::kSavedCardSize, 1), "B");
    EXPECT_EQ(Param(param::kSavedCardSet, 3), "001");
    EXPECT_EQ(Param(param::kSavedCardBack, 3), "011");
    EXPECT_EQ(e().geometry.card, (CardSize{59, 80}));
    EXPECT_EQ(e().main_game.Field(field::kNotice800), 1);
    EXPECT_EQ(e().main_game.Field(field::kCardSizeState), 1);
    EXPECT_EQ(log_.calls, std::vector<std::string>{"reload"});

    // Prepared again on the same screen: nothing changes and nothing shows.
    EXPECT_FALSE(Check(2, 800));
    EXPECT_EQ(e().quiet_messages.last, "");
    EXPECT_EQ(Param(param::kSavedCardSet, 3), "001");

    // A wide enough screen gives the player's cards back.
    EXPECT_TRUE(Check(2, 810));
    EXPECT_EQ(Param(param::kCardSize, 1), "B");
    EXPECT_EQ(Param(param::kCardSet, 3), "001");
    EXPECT_EQ(Param(param::kCardBack, 3), "011");
    for (int position : {param::kSavedCardSize, param::kSavedCardSet, param::kSavedCardBack})
        EXPECT_EQ(Param(position, 3), "") << position;
    EXPECT_EQ(e().geometry.card, (CardSize{71, 96}));
    EXPECT_EQ(log_.calls, (std::vector<std::string>{"reload", "customize on", "reload"}));

    // Once per run: narrow again, the cards change but no second notice.
    EXPECT_TRUE(Check(2, 800));
    EXPECT_EQ(e().quiet_messages.last, "");
}

TEST_F(ScreenCheckTest, EachGameClassHasItsOwnWidthAndNotice) {
    EXPECT_FALSE(Check(1, 650));
    EXPECT_FALSE(Check(1, 800));
    EXPECT_FALSE(Check(0, 320));
    EXPECT_FALSE(Check(3, 320));
    EXPECT_EQ(e().main_game.Field(field::kCardSizeState), 0);
    EXPECT_TRUE(Check(1, 649));
    EXPECT_EQ(e().quiet_messages.last, kNotice640);
    EXPECT_EQ(e().main_game.Field(field::kNotice640), 1);
    EXPECT_EQ(e().main_game.Field(field::kNotice800), 0);
    // Medium cards are kept, and the other notice has not been shown yet.
    EXPECT_FALSE(Check(2, 640));
    EXPECT_EQ(e().quiet_messages.last, kNotice800);
    EXPECT_EQ(Param(param::kCardSize, 1), "M");
}

}  // namespace
}  // namespace velmora
