#pragma once
// Every key of the settings file, with its section, type, default and the
// parameter record field (position, length) it is loaded into at start-up.

#include <span>

#include "storage/setting_key.h"

namespace velmora::key {

inline constexpr std::string_view kPreference = "Preference";
inline constexpr std::string_view kSettings = "Settings";
inline constexpr std::string_view kUsers = "Users";
inline constexpr std::string_view kShowMessages = "Show_Messages";
inline constexpr std::string_view kAutoplaySection = "Autoplay";

constexpr SettingKey Flag(std::string_view name, std::string_view fallback, int position = 0) {
    return {kPreference, name, SettingType::Flag, fallback, 0, position, 1, 0};
}
constexpr SettingKey Text(std::string_view name, std::string_view fallback, int position = 0, int length = 1) {
    return {kPreference, name, SettingType::Text, fallback, 0, position, length, 0};
}
constexpr SettingKey Integer(std::string_view name, int fallback, int position = 0, int length = 1,
                             int digits = 0) {
    return {kPreference, name, SettingType::Integer, "", fallback, position, length, digits};
}
constexpr SettingKey InSection(std::string_view section, SettingKey key) {
    key.section = section;
    return key;
}

// The main window and its toolbars.
inline constexpr SettingKey kShowToolTips = Flag("Show_ToolTips", "Y", 244);
inline constexpr SettingKey kToolBarLarge = Flag("ToolBar_Large", "N");
inline constexpr SettingKey kToolBarFlat = Flag("ToolBar_Flat", "Y");
inline constexpr SettingKey kToolBarVisible = Flag("ToolBar_Visible", "Y");
inline constexpr SettingKey kShowTime = Flag("Show_Time", "Y", 66);
inline constexpr SettingKey kShowScore = Flag("Show_Score", "Y", 136);
inline constexpr SettingKey kStatusBar = Flag("StatusBar", "Y", 76);
inline constexpr SettingKey kCursor = Integer("Cursor", 10, 172, 2);

// Cards and backgrounds.
inline constexpr SettingKey kBackCard = Integer("Back_Card", 11, 21, 3, 3);
// The default is 3 on screens of 256 colours or fewer.
inline constexpr SettingKey kCard = Integer("Card", 1, 24, 3, 3);
// New players get cards that follow the window ("F"); a stored "B", "M" or
// "L" keeps its fixed size.
inline constexpr SettingKey kCardSize = Text("Card_Size", "F", 128);
inline constexpr SettingKey kBackgroundBmp = Text("Background_bmp", "", 43, 4);
inline constexpr SettingKey kBackgroundFixedCol = Integer("Background_Fixed_Col", 32768, 47, 15);
// The system colour value 0x8000000F written as a signed number.
inline constexpr int kSystemBackgroundColour = -2147483633;
inline constexpr SettingKey kBackgroundCol = Integer("Background_Col", kSystemBackgroundColour, 28, 15);
inline constexpr SettingKey kBackgroundDef = Flag("Background_def", "N", 27);
inline constexpr SettingKey kFadeBackground = Flag("Fade_Background", "Y", 135);
// A picture path; loaded only as "is set" ("Y"/"N") into position 246.
inline constexpr SettingKey kCustomizedBackground = Text("Customized_Background", "");
inline constexpr int kCustomizedBackgroundSet = 246;
inline constexpr SettingKey kHighLightsFoundationsMark = Integer("HighLights_Foundations_Mark", 0);
inline constexpr SettingKey kHighLightsFoundationsColor = Integer("HighLights_Foundations_Color", 0);

// The last game chosen.
inline constexpr SettingKey kGame = Integer("Game", 1, 62, 4, 4);
inline constexpr SettingKey kGameName = Text("Game_name", "Freecell", 189, 50);
inline constexpr SettingKey kGameTreeNum = Integer("Game_TreeNum", -30);
inline constexpr SettingKey kOpenPreviewGame = Flag("Open_Preview_Game", "Y");

// Display and behaviour.
inline constexpr SettingKey kCardsAnimate = Flag("Cards_Animate", "Y", 67);
// Defaults to the value loaded for Cards_Animate.
inline constexpr SettingKey kCardsShadowed = Flag("Cards_Shadowed", "Y", 178);
inline constexpr SettingKey kPilesTT = Flag("Piles_TT", "N", 179);
inline constexpr SettingKey kAutomaticFaceUp = Flag("Automatic_FaceUp", "Y", 239);
inline constexpr SettingKey kDealAnimation = Flag("Deal_Animation", "Y", 241);
inline constexpr SettingKey kRedealAnimation = Flag("Redeal_Animation", "Y", 242);
inline constexpr SettingKey kLanguage = Integer("Language", 20000, 68, 6);
inline constexpr SettingKey kSpeedMoveCard = Integer("Speed_Move_Card", 10, 74, 2);
inline constexpr SettingKey kUserDefault = Text("UserDefault", "", 77, 30);
inline constexpr SettingKey kUndoEnabled = Text("Undo_Enabled", "0", 137);
inline constexpr SettingKey kConfirmQuitGame = Flag("ConfirmQuitGame", "N", 185);
inline constexpr SettingKey kConfirmQuit = Flag("ConfirmQuit", "N");
// The tip of the day opens at start unless this is "N".
inline constexpr SettingKey kTipsStartUp = Flag("Tips_StartUp", "Y");
inline constexpr SettingKey kConfirmEnterHiScores = Flag("ConfirmEnterHiScores", "Y", 186);
inline constexpr SettingKey kRandomBackground = Flag("Random_Background", "N", 152);
inline constexpr SettingKey kRandomCard = Flag("Random_Card", "N", 187);
inline constexpr SettingKey kRandomDeck = Flag("Random_Deck", "N", 188);
inline constexpr SettingKey kVertScrollBar = Flag("VertScrollBar", "Y", 243);
inline constexpr SettingKey kShowPilesSize = Flag("ShowPilesSize", "N", 245);
inline constexpr SettingKey kShowMainPopupMenu = Flag("Show_Main_Popup_Menu", "Y", 253);
inline constexpr SettingKey kShowPartialHiddenCard = Flag("Show_Partial_Hidden_Card", "Y", 255);
// Read, then forced to "N": right-click moves are off in this edition.
inline constexpr SettingKey kRightClickToFoundations = Flag("RightClick_To_Foundations", "Y", 247);
inline constexpr SettingKey kRightClickToTableaus = Flag("RightClick_To_Tableaus", "Y", 248);
inline constexpr SettingKey kDoubleClickToFoundations = Flag("DoubleClick_To_Foundations", "Y", 249);
inline constexpr SettingKey kDoubleClickToTableaus = Flag("DoubleClick_To_Tableaus", "N", 251);

// Winning animation.
inline constexpr SettingKey kWinningAnimation = Flag("Winning_Animation", "Y");
// The solver: the status bar says whether the game can still be won, new
// deals are drawn until one is proven winnable, and the memory its table of
// visited positions may take.
inline constexpr SettingKey kShowWinnable = Flag("Show_Winnable", "N");
inline constexpr SettingKey kWinnableDealsOnly = Flag("Winnable_Deals_Only", "N");
inline constexpr SettingKey kSolverMemoryMB = Integer("Solver_Memory_MB", 256);
inline constexpr SettingKey kWinningAnimations = Text("Winning_Animations", "(Random)");
inline constexpr SettingKey kWinningAnimationsTime = Integer("Winning_Animations_Time", 30);

// Sounds: the master switch and one switch per event.
inline constexpr SettingKey kSoundsEnabled = Flag("Sounds_Enabled", "Y", 141);
inline constexpr SettingKey kSoundsAbout = Flag("Sounds_About", "Y", 142);
inline constexpr SettingKey kSoundsAutoplay = Flag("Sounds_Autoplay", "Y", 143);
inline constexpr SettingKey kSoundsGameWon = Flag("Sounds_GameWon", "Y", 144);
inline constexpr SettingKey kSoundsNewGame = Flag("Sounds_NewGame", "Y", 145);
inline constexpr SettingKey kSoundsRedo = Flag("Sounds_Redo", "Y", 146);
inline constexpr SettingKey kSoundsRestart = Flag("Sounds_Restart", "Y", 147);
inline constexpr SettingKey kSoundsSplash = Flag("Sounds_Splash", "Y", 148);
inline constexpr SettingKey kSoundsShuffle = Flag("Sounds_Shuffle", "Y", 149);
inline constexpr SettingKey kSoundsUndo = Flag("Sounds_Undo", "Y", 151);
inline constexpr SettingKey kSoundsHiScores = Flag("Sounds_HiScores", "Y", 171);
inline constexpr SettingKey kSoundsNewHiScores = Flag("Sounds_NewHiScores", "Y", 174);
inline constexpr SettingKey kSoundsPairing = Flag("Sounds_Pairing", "Y", 175);
inline constexpr SettingKey kSoundsStock = Flag("Sounds_Stock", "Y", 176);
inline constexpr SettingKey kSoundsTableau = Flag("Sounds_Tableau", "Y", 177);
inline constexpr SettingKey kSoundsFaceUp = Flag("Sounds_FaceUp", "Y", 180);
inline constexpr SettingKey kSoundsCardDown = Flag("Sounds_CardDown", "Y", 181);
inline constexpr SettingKey kSoundsCardUp = Flag("Sounds_CardUp", "Y", 182);
inline constexpr SettingKey kSoundsRedeal = Flag("Sounds_Redeal", "Y", 183);
inline constexpr SettingKey kSoundsFoundation = Flag("Sounds_Foundation", "Y", 184);
inline constexpr SettingKey kSoundsRedealWithoutAnimation = Flag("Sounds_Redeal_Without_Animation", "Y", 252);

// Autoplay: the mode, the all-games switch; per-game switches live in
// section "Autoplay" (see game_autoplay.h).
inline constexpr SettingKey kAutoPlayAllGames = Integer("AutoPlay_All_Games", 1);
inline constexpr SettingKey kAutoPlay = Flag("AutoPlay", "Y");
// Safe autoplay ("Y"): a card goes home by itself only when no card in play
// could still be built on it in the tableau; "N" sends every card it can.
inline constexpr SettingKey kSafeAutoplay = Flag("Safe_Autoplay", "Y", 256);
inline constexpr SettingKey kAutoplayGames = InSection(kAutoplaySection, Text("Games", ""));

// Main window placement; width and height default to the screen size less 150.
inline constexpr SettingKey kWindowLeft = Integer("MainWindowState_Left", 50);
inline constexpr SettingKey kWindowTop = Integer("MainWindowState_Top", 50);
inline constexpr SettingKey kWindowWidth = Integer("MainWindowState_Width", 0);
inline constexpr SettingKey kWindowHeight = Integer("MainWindowState_Height", 0);
inline constexpr SettingKey kWindowMaximized = Flag("MainWindowState_Maximized", "Y");

// Section "Settings".
inline constexpr SettingKey kGamesFastSearchType = InSection(kSettings, Integer("Games_Fast_Search_Type", 0));
inline constexpr SettingKey kRandomGameType = InSection(kSettings, Integer("Random_Game_Type", 2));

// Section "Users": the default players.
inline constexpr SettingKey kUser001 = InSection(kUsers, Text("User001", ""));
inline constexpr SettingKey kUser002 = InSection(kUsers, Text("User002", ""));
inline constexpr SettingKey kUser003 = InSection(kUsers, Text("User003", ""));

// The event sound switches in the order they are loaded (after the master switch).
std::span<const SettingKey* const> SoundSwitchKeys();

}  // namespace velmora::key
