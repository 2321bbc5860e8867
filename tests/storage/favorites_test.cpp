// The favorite games in the settings file: kept ascending and once each,
// whatever else the value holds passed over, and one game marked or
// unmarked without touching the others or the rest of the file.
#include <gtest/gtest.h>

#include "program_folder.h"
#include "storage/favorites.h"

namespace velmora {
namespace {

TEST(FavoriteGames, RoundTripThroughTheSettingsFile) {
    testing_support::ProgramFolder folder;
    folder.PutSettings("[Preference]\nGame=2\n");
    SettingsFile file(folder.SettingsPath());
    EXPECT_TRUE(ReadFavoriteGames(file).empty());
    ASSERT_TRUE(WriteFavoriteGames(file, {300, 5, 2, 5}));
    EXPECT_EQ(folder.Settings(), "[Preference]\nGame=2\n[Favorites]\nGames=2,5,300\n");
    EXPECT_EQ(ReadFavoriteGames(file), (std::vector<int>{2, 5, 300}));

    ASSERT_TRUE(SetFavoriteGame(file, 7, true));
    ASSERT_TRUE(SetFavoriteGame(file, 5, false));
    ASSERT_TRUE(SetFavoriteGame(file, 5, false));
    EXPECT_EQ(ReadFavoriteGames(file), (std::vector<int>{2, 7, 300}));
    EXPECT_TRUE(IsFavoriteGame(file, 7));
    EXPECT_FALSE(IsFavoriteGame(file, 5));
}

TEST(FavoriteGames, AValueEditedByHandGivesWhatIsGameNumbersInIt) {
    testing_support::ProgramFolder folder;
    folder.PutSettings("[favorites]\ngames= 12 ,x,,-1,7, 99999,3a,12\n");
    SettingsFile file(folder.SettingsPath());
    EXPECT_EQ(ReadFavoriteGames(file), (std::vector<int>{7, 12}));
    ASSERT_TRUE(SetFavoriteGame(file, 1, true));
    EXPECT_EQ(file.Ini().ReadString("Favorites", "Games", ""), "1,7,12");
}

}  // namespace
}  // namespace velmora
