#include "ui/dialogs/tip_texts.h"

namespace velmora {

const std::vector<std::string_view>& DayTips() {
    static const std::vector<std::string_view> tips = {
        "Press F2 to deal a new game of the same kind.",
        "Press Ctrl+F12 to choose another game from the whole catalogue.",
        "In the game selection, tick \"Preview\" to see how a game is laid out before you open it.",
        "Every deal has a number, shown in the window's caption. Choose \"Select a game number...\" "
        "(F3) and type a number to play that very deal again, or to play the deal a friend played.",
        "Ctrl+F2 restarts the game on the table: the same deal, from the first card.",
        "\"Random game\" in the Game menu deals a game picked for you from the catalogue.",
        "Made a wrong move? Ctrl+Z takes it back, and Ctrl+Y plays it again.",
        "Before a risky move, choose \"Insert bookmark\" in the Play menu. \"Go to bookmark\" takes you "
        "back to that position if the risk did not pay.",
        "Press F7 to switch Autoplay on or off. With Autoplay on, cards that can go to the "
        "foundations go there by themselves.",
        "Double-click a card to send it to a foundation that takes it.",
        "Need a break? Ctrl+P pauses the game and stops the clock. Click the table or press Ctrl+P "
        "again to go on.",
        "Press F8 to open the card counter: it counts, by rank and by suit, the cards you have not "
        "seen yet, and follows every move.",
        "Press F5 for information about the game on the table: its decks, difficulty, chance of "
        "winning and your own results in it.",
        "Press F1 to read the rules of the game on the table.",
        "Ctrl+Q gives up the game on the table: it counts as not won, and the cards stay where they "
        "are until you deal again.",
        "Shift+Ctrl+F12 saves the game on the table. To play it on later, choose \"Open a saved "
        "game...\" in the game selection.",
        "Close the program in the middle of a game: the next time you start it, the game is still "
        "there to be played on.",
        "Ctrl+U opens Customize, where you choose the card set, the back of the cards and the "
        "table's background.",
        "Right-click the toolbar to choose large or small icons, flat buttons, or to show the time "
        "and the score again.",
        "Right-click the time or the score to hide it.",
        "Right-click the table away from the cards for a menu of quick choices: card set, "
        "background, game information, pause and more.",
        "Help, Contents (on the Help menu) lists the rules of every game.",
    };
    return tips;
}

size_t TipOfDay(int day_of_year) {
    const size_t count = DayTips().size();
    return day_of_year <= 0 ? 0 : static_cast<size_t>(day_of_year - 1) % count;
}

}  // namespace velmora
