// The library holds every resource the program asks for by name, once.

#include <gtest/gtest.h>

#include <QString>
#include <set>
#include <string>
#include <vector>

#include "library_fixture.h"

namespace velmora::rgfgen::testing {
namespace {

std::string ThreeDigits(int n) {
    return QString("%1").arg(n, 3, 10, QChar('0')).toStdString();
}

std::vector<std::string> CardPictureNames() {
    std::vector<std::string> names;
    for (const char* size : {"B", "M", "L"}) {
        for (int set : {1, 3}) {
            for (const char* suit : {"H", "D", "C", "S"}) {
                names.push_back(std::string("C") + size + ThreeDigits(set) + suit);
            }
        }
        names.push_back(std::string("JOKER_") + size);
        for (int back : {1, 3, 6, 7, 11, 14, 19, 20}) {
            names.push_back(std::string("D") + size + ThreeDigits(back));
        }
        for (const char* mark : {"004", "_WASTE", "022",      "005", "008", "010", "012", "013",
                                 "014", "015",    "016",      "017", "018", "019", "020", "006",
                                 "003", "011",    "_TABLEAU", "001", "009", "021"}) {
            names.push_back(std::string("W") + size + mark);
        }
        for (const char* side : {"1", "2"}) {
            names.push_back(std::string("SHADOW_") + size + side);
            names.push_back(std::string("3D_BORDER_") + size + side);
        }
    }
    // The customize dialog's previews of the backs.
    for (const char* preview :
         {"DB001", "DB003", "DB006", "DB007", "DB011", "DB014", "DB019", "DB020"}) {
        names.push_back(preview);
    }
    return names;
}

std::vector<std::string> TableAndDialogNames() {
    std::vector<std::string> names = {
        "B263",
        "B287",
        "B277",
        "B324",
        "B302",
        "B296",
        "B304",
        "B311",
        "B102",
        "SUIT_HEARTS",
        "SUIT_DIAMONDS",
        "SUIT_CLUBS",
        "SUIT_SPADES",
        "TREE1",
        "TREE2",
        "N_TREE3",
        "N_TREE4",
        "N_TREE5",
        "F_TREE1",
        "F_TREE2",
        "S_TREE1",
        "S_TREE2",
        "D_TREE1",
        "D_TREE2",
        "C_TREE1",
        "C_TREE2",
        "T_TREE1",
        "T_TREE2",
        "I_TREE1",
        "I_TREE2",
        "TREE5_ORIGINAL_TYPE",
        "TREE5_CUSTOMIZED_GAMES",
        "TREE5_CUSTOMIZED_GAMES_WIN",
        "TREE5_CUSTOMIZED_GAMES_NOWIN",
        "PROG_TIME_LONG",
        "PROG_TIME_MEDIUM",
        "PROG_TIME_QUICK",
        "PROG_DIFF_EASY",
        "PROG_DIFF_MEDIUM",
        "PROG_DIFF_HARD",
        "PROG_CHAN_VERYHIGH",
        "PROG_CHAN_HIGH",
        "PROG_CHAN_MEDIUM",
        "PROG_CHAN_LOW",
        "PROG_CHAN_VERYLOW",
        "PROG_SKILL_DIFFICULT",
        "PROG_SKILL_MOSTLYSKILL",
        "PROG_SKILL_MODERATE",
        "PROG_SKILL_MOSTLYCHANCE",
        "PROG_SKILL_CHANCEONLY",
        "TB_UNDO",
        "TB_UNDO_DIS",
        "TB_REDO",
        "TB_REDO_DIS",
        "TB_AUTOPLAY",
        "TB_AUTOPLAY_DIS",
        "TB_HINT",
        "TB_HINT_DIS",
        "TB_NEW",
        "TB_OPEN",
        "TB_RULES",
        "TB_EXIT",
        "SPLASH_PICTURE",
    };
    for (const char* type :
         {"CANFIELD",          "FORTYTHIEVES", "FREECELL", "KLONDIKE",     "PAIRING",
          "SIMPLEGAMES",       "SPIDER",       "1DECK",    "2DECK",        "FAN",
          "BAKERSDOZEN",       "ROW",          "PUZZLE",   "ADDITION",     "MEMORY",
          "BELEAGUEREDCASTLE", "QUEENOFITALY", "YUKON",    "MATHEMATICAL", "SIRTOMMY",
          "NONBUILDERS"}) {
        const std::string name = std::string("TREE5_") + type + "_TYPE";
        names.insert(names.end(), {name, name + "_WIN", name + "_NOWIN"});
    }
    return names;
}

const std::vector<std::string> kCursors = {
    "CUR_ARROW1A",      "CUR_ARROW2A",      "CUR_RIGHT_HAND1A", "CUR_RIGHT_HAND2A",
    "CUR_LEFT_HAND1A",  "CUR_LEFT_HAND2A",  "CUR_ARROW1B",      "CUR_ARROW2B",
    "CUR_RIGHT_HAND1B", "CUR_RIGHT_HAND2B", "CUR_LEFT_HAND1B",  "CUR_LEFT_HAND2B",
};

const std::vector<std::string> kSounds = {
    "Splash",  "New",    "Shuffle",  "Tableau", "Foundation", "Eddy",    "Autoplay", "Stock",
    "Pairing", "Redeal", "Red_no_a", "card_up", "card_down",  "Face_up", "Won"};

void ExpectKind(const std::vector<std::string>& names, rgf::Kind kind) {
    for (const std::string& name : names) {
        const rgf::Entry* entry = Find(name);
        ASSERT_NE(entry, nullptr) << name << " is missing";
        EXPECT_EQ(entry->kind, kind) << name;
        EXPECT_FALSE(entry->payload.empty()) << name;
    }
}

TEST(LibraryNames, HoldsEveryPictureThePlayerSees) {
    ExpectKind(CardPictureNames(), rgf::Kind::Bitmap);
    ExpectKind(TableAndDialogNames(), rgf::Kind::Bitmap);
}

// The splash picture is read before anything is on screen: it is stored
// unpacked, and reads back at its size.
TEST(LibraryNames, TheSplashPictureIsStoredUnpackedAndReadsBack) {
    const rgf::Entry* entry = Find("SPLASH_PICTURE");
    ASSERT_NE(entry, nullptr);
    ASSERT_GE(entry->payload.size(), 2u);
    EXPECT_EQ(std::string(entry->payload.begin(), entry->payload.begin() + 2), "BM");
    const QImage picture = Picture("SPLASH_PICTURE");
    EXPECT_EQ(picture.size(), QSize(393, 309));
}

TEST(LibraryNames, HoldsTheTwelveCursorsAndTheFifteenSounds) {
    ExpectKind(kCursors, rgf::Kind::Cursor);
    ExpectKind(kSounds, rgf::Kind::Wave);
}

TEST(LibraryNames, EveryNameIsUniqueRegardlessOfCase) {
    std::set<QString> seen;
    for (const rgf::Entry& entry : Library()) {
        EXPECT_TRUE(seen.insert(QString::fromStdString(entry.name).toUpper()).second) << entry.name;
    }
}

TEST(LibraryNames, HoldsNothingButThePicturesCursorsAndSoundsOfTheGame) {
    // Every disabled glyph has its enabled twin, and only tree, toolbar and
    // card names follow the patterns above; the library has no strays.
    for (const rgf::Entry& entry : Library()) {
        const std::string& name = entry.name;
        if (name.size() > 4 && name.compare(name.size() - 4, 4, "_DIS") == 0) {
            EXPECT_NE(Find(name.substr(0, name.size() - 4)), nullptr) << name;
        }
    }
    const size_t table_pictures = CardPictureNames().size() - 8;
    const size_t named =
        table_pictures + TableAndDialogNames().size() + kCursors.size() + kSounds.size();
    // Beyond the names the program uses, only the toolbar glyphs of the
    // hidden buttons (statistics, restart, fast search, save), the
    // disabled twins of the four named glyphs, and the twice-as-dense twins
    // of the table's pictures and the four suit symbols.
    EXPECT_EQ(Library().size(), named + 4 * 2 + 4 + table_pictures + 4);
}

}  // namespace
}  // namespace velmora::rgfgen::testing
