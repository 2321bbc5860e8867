// A damaged GAMES.DAT must be refused as a whole, before any game of it is
// listed or dealt: every form below once gave an empty table or nonsense.
#include "engine/model/games_file_check.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "engine/model/games_file_ahead.h"
#include "games_text.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using games_text::Game;
using games_text::PlayableLines;
using games_text::PlayableText;

const std::vector<Game> kTwoGames = {{1, "One", {}}, {7, "Seven", {{304, "8"}, {3, "1"}}}};

GamesCheck Check(const std::vector<Game>& games) { return CheckGamesData(ParseGamesData(PlayableText(games))); }

class GamesFileDisk : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "velmora-games-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string Path() const { return (folder_ / "GAMES.DAT").string(); }
    void Put(const std::string& contents) const { std::ofstream(Path(), std::ios::binary) << contents; }
    GamesFileResult Load() {
        data_.catalogue = {"stale"};
        return LoadGamesFile(Path(), data_);
    }

    fs::path folder_;
    GamesData data_;
};

TEST(GamesFileCheck, APlayableFilePassesAndEveryFaultNamesItsPlace) {
    EXPECT_TRUE(Check(kTwoGames).ok());

    struct Case {
        int entry;
        std::string value;
        GamesFault fault;
    };
    const Case cases[] = {
        {307, "-104", GamesFault::kOutOfRange},  // shown as "Decks: -2"
        {307, "0", GamesFault::kOutOfRange},     {307, "60", GamesFault::kOutOfRange},
        {304, "29", GamesFault::kOutOfRange},    {303, "-1", GamesFault::kOutOfRange},
        {305, "11", GamesFault::kOutOfRange},    {3, "10", GamesFault::kOutOfRange},
        {311, "500", GamesFault::kOutOfRange},   {14, "-2", GamesFault::kOutOfRange},
        {200, "70000", GamesFault::kBadValue},   {12, "x", GamesFault::kBadValue},
        {400, "", GamesFault::kBadValue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.entry) + " = " + c.value);
        std::vector<Game> games = kTwoGames;
        games[1].values[c.entry] = c.value;
        const GamesCheck check = Check(games);
        EXPECT_EQ(check.fault, c.fault);
        EXPECT_EQ(check.game, 1);
        EXPECT_EQ(check.entry, c.entry);
        EXPECT_NE(DescribeGamesFault(check).find("entry " + std::to_string(c.entry)), std::string::npos);
    }
    // Values the engine plays: two decks, every pile count at its largest.
    EXPECT_TRUE(Check({{1, "Big", {{307, "104"}, {304, "28"}, {303, "16"}, {305, "10"}, {14, "-1"}}}}).ok());
}

TEST(GamesFileCheck, TheCatalogueAndTheRulesSectionMustBeWhole) {
    EXPECT_EQ(CheckGamesData(GamesData{}).fault, GamesFault::kNoGames);
    // Only games of other editions.
    std::vector<std::string> lines = PlayableLines({{1, "One", {}}});
    lines[1] = games_text::CatalogueLine(1, "One", '1');
    EXPECT_EQ(CheckGamesData(ParseGamesData(games_text::Join(lines))).fault, GamesFault::kNoGames);

    lines = PlayableLines(kTwoGames);
    lines[1] = ShiftText("004 1x10 1Bad id");
    EXPECT_EQ(CheckGamesData(ParseGamesData(games_text::Join(lines))).fault, GamesFault::kBadCatalogue);

    // Entry 400 missing: the dialog would show "about -99 in -99".
    lines = PlayableLines(kTwoGames);
    lines.pop_back();
    EXPECT_EQ(CheckGamesData(ParseGamesData(games_text::Join(lines))).fault, GamesFault::kMissingRules);
    // A line out of its place.
    lines = PlayableLines(kTwoGames);
    std::swap(lines[10], lines[11]);
    const GamesCheck swapped = CheckGamesData(ParseGamesData(games_text::Join(lines)));
    EXPECT_EQ(swapped.fault, GamesFault::kMissingRules);
    EXPECT_EQ(swapped.entry, 6);  // lines[10] holds entry 6 after the header and two games
}

TEST_F(GamesFileDisk, EveryDamagedFormIsRefusedAndNothingIsKept) {
    const std::string whole = PlayableText(kTwoGames);
    std::mt19937 random(77);
    std::string noise(20000, '\0');
    for (char& c : noise) c = static_cast<char>(random() % 256);
    struct Case {
        const char* name;
        std::string contents;
        GamesFault fault;
    };
    const Case cases[] = {
        {"empty", "", GamesFault::kNoGames},
        {"random bytes", noise, GamesFault::kNoGames},
        {"cut in half", whole.substr(0, whole.size() / 2), GamesFault::kMissingRules},
        {"headers only", "[Sect1]\r\n[Sect2]\r\n", GamesFault::kNoGames},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Put(c.contents);
        const GamesFileResult result = Load();
        EXPECT_EQ(result.status, GamesFileStatus::kDamaged);
        EXPECT_EQ(result.check.fault, c.fault);
        EXPECT_TRUE(data_.catalogue.empty() && data_.rules.empty());
        EXPECT_FALSE(ReadGamesFile(Path(), data_));
    }
    Put(whole);
    EXPECT_EQ(Load().status, GamesFileStatus::kRead);
    EXPECT_EQ(data_.catalogue.size(), 2u);
}

// 50 MB: refused from its size without being read (a sparse file, so the
// test itself writes nothing), and a file that is not sparse is read no
// further than the limit.
TEST_F(GamesFileDisk, AHugeFileIsRefusedWithoutReadingIt) {
    Put(PlayableText(kTwoGames));
    fs::resize_file(Path(), 50u << 20);
    GamesFileResult result = Load();
    EXPECT_EQ(result.status, GamesFileStatus::kDamaged);
    EXPECT_EQ(result.check.fault, GamesFault::kTooLarge);
    EXPECT_TRUE(data_.catalogue.empty());

    Put(std::string(kMaxGamesFileBytes + 1, '\n'));
    EXPECT_EQ(Load().check.fault, GamesFault::kTooLarge);
}

// The reading begun ahead gives what a reading made then would have given,
// once, for its own file only; a later or other reading looks at the disk.
TEST_F(GamesFileDisk, TheReadingAheadIsTakenOnceAndOnlyForItsOwnFile) {
    Put(PlayableText(kTwoGames));
    GamesData expected;
    ASSERT_EQ(LoadGamesFile(Path(), expected).status, GamesFileStatus::kRead);
    const std::string other = (folder_ / "OTHER.DAT").string();
    std::ofstream(other, std::ios::binary) << "not a games file";
    {
        GamesFileAhead ahead(Path());
        data_.catalogue = {"stale"};
        EXPECT_EQ(ahead.Take(other, data_).status, GamesFileStatus::kDamaged);
        EXPECT_TRUE(data_.catalogue.empty());
        EXPECT_EQ(ahead.Take(Path(), data_).status, GamesFileStatus::kRead);
        EXPECT_EQ(data_.catalogue, expected.catalogue);
        EXPECT_EQ(data_.rules, expected.rules);
        fs::remove(Path());
        EXPECT_EQ(ahead.Take(Path(), data_).status, GamesFileStatus::kMissing);
    }
    {
        GamesFileAhead ahead(Path());
        EXPECT_EQ(ahead.Take(Path(), data_).status, GamesFileStatus::kMissing);
    }
    // Given up untaken, it ends with its helper.
    Put(PlayableText(kTwoGames));
    for (int i = 0; i < 20; ++i) GamesFileAhead untaken(Path());
}

TEST_F(GamesFileDisk, MissingAndUnreadableAreToldApart) {
    EXPECT_EQ(Load().status, GamesFileStatus::kMissing);
    EXPECT_EQ(LoadGamesFile((folder_ / "NOFOLDER" / "GAMES.DAT").string(), data_).status, GamesFileStatus::kMissing);
    fs::create_directory(Path());
    EXPECT_EQ(Load().status, GamesFileStatus::kUnreadable);
    fs::remove(Path());
    if (::geteuid() != 0) {  // root reads every file whatever its permissions
        Put(PlayableText(kTwoGames));
        fs::permissions(Path(), fs::perms::owner_write);
        EXPECT_EQ(Load().status, GamesFileStatus::kUnreadable);
    }
}

}  // namespace
}  // namespace velmora
