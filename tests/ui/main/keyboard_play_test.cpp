// Games played with the keys alone, and the table as assistive technology
// reads it: key events on the table widget, through the keyboard's focus
// mark and the same hand the mouse uses, into the engine.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "engine/model/spoken_names.h"
#include "engine/play/win_condition.h"
#include "played_window.h"
#include "ui/main/table_keys.h"
#include "winning_line.h"

namespace velmora::window_test {
namespace {

constexpr int kFreecell = 1;
constexpr const char* kFreecellDeal = "3";

int Rank(int code) { return (code - 1) % 13 + 1; }

class KeyedWindow : public PlayedWindow {
  public:
    using PlayedWindow::PlayedWindow;

    TableKeys& Keys() { return *Table().Keys(); }
    void Key(Qt::Key key) { QTest::keyClick(&Table(), key); }
    void Key(Qt::Key key, int times) {
        for (int i = 0; i < times; ++i) Key(key);
    }
    // Right until the mark is on the pile; false when it never comes.
    bool FocusOn(const std::string& name) {
        const PileRef pile = *ParsePileName(name);
        for (int i = 0; i < 2 * kAllPiles && !(Keys().Focused() == pile); ++i) Key(Qt::Key_Right);
        return Keys().Focused() == pile;
    }
    // The mark on the card and every card above it, by Up from the top card.
    bool ChooseCard(const std::string& pile, int code) {
        if (!FocusOn(pile)) return false;
        const int above = PileCount(Pile(pile)) - 1 - PileIndexOf(Pile(pile), code);
        Key(Qt::Key_Up, above);
        return Keys().Chosen().code == code;
    }
    // Picks the card (with the cards above it) up and puts it down on `to`.
    bool MoveByKeys(int code, const std::string& from, const std::string& to) {
        if (!ChooseCard(from, code)) return false;
        Key(Qt::Key_Space);
        if (!Table().Input()->Carrying() || !FocusOn(to)) return false;
        Key(Qt::Key_Space);
        return !Table().Input()->Carrying();
    }
};

// A Freecell deal won with keys only: every move of a winning line is the
// mark walked to its card, Up for each card of the run above it, Space,
// the mark walked to the target, Space; one foundation move is F. A drop
// the rules refuse and a run put back with Escape leave the table as it was.
TEST(KeyboardPlay, AFreecellDealIsWonWithTheKeysAlone) {
    pointer_test::PointerTable twin(kFreecell);
    ASSERT_TRUE(twin.Deal(kFreecellDeal));
    twin.e().view = &twin.e().quiet_view;
    WinningLine line(twin.e());
    ASSERT_TRUE(line.Find());

    KeyedWindow w("AutoPlay=N\nCards_Shadowed=Y\nWinning_Animations_Time=0\n");
    ASSERT_TRUE(w.f.window->Started()) << w.f.host.fatal;
    w.f.host.after_game = SummaryChoice::OtherGame;
    w.f.window->StartGameProcedure(kFreecellDeal);
    EXPECT_FALSE(w.Keys().MarkShown()) << "the mark waits for the first key";

    // Refused: a top card that is no Ace onto an empty foundation; then a
    // card picked up and put back with Escape.
    const PileLists dealt = w.e().piles;
    int pile = 1;
    while (Rank(PileTop(w.Pile("Fila" + std::to_string(pile)))) == 1) ++pile;
    const std::string source = "Fila" + std::to_string(pile);
    ASSERT_TRUE(w.FocusOn(source));
    EXPECT_TRUE(w.Keys().MarkShown());
    w.Key(Qt::Key_Space);
    ASSERT_TRUE(w.Table().Input()->Carrying());
    ASSERT_TRUE(w.FocusOn("Dest1"));
    w.Key(Qt::Key_Space);
    EXPECT_FALSE(w.Table().Input()->Carrying());
    EXPECT_EQ(w.e().piles, dealt);
    EXPECT_TRUE(w.ShowsBackBuffer()) << "the refused card flew back and left no trace";
    ASSERT_TRUE(w.FocusOn(source));
    w.Key(Qt::Key_Space);
    ASSERT_TRUE(w.Table().Input()->Carrying());
    w.Key(Qt::Key_Left);
    w.Key(Qt::Key_Escape);
    EXPECT_FALSE(w.Table().Input()->Carrying());
    EXPECT_EQ(w.e().piles, dealt);

    bool sent_home = false;
    for (size_t i = 0; i < line.moves.size(); ++i) {
        const DragMove& move = line.moves[i];
        const bool home = ParsePileName(move.to)->list == ListId::Foundation;
        if (home && !sent_home && Rank(move.code) != 1) {
            ASSERT_TRUE(w.ChooseCard(move.from, move.code));
            w.Key(Qt::Key_F);
            sent_home = true;
        } else {
            ASSERT_TRUE(w.MoveByKeys(move.code, move.from, move.to)) << "move " << i;
        }
        ASSERT_EQ(Named(w.e().piles), Named(line.piles[i]))
            << "move " << i << ": " << move.code << " " << move.from << " to " << move.to;
    }
    w.f.Settle();
    EXPECT_TRUE(sent_home);
    EXPECT_TRUE(IsGameWon(w.e()));
    EXPECT_EQ(w.f.host.summaries.size(), 1u) << "a summary follows the win";
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&w.Table());
    const QString news = table->child(table->childCount() - 1)->text(QAccessible::Name);
    EXPECT_TRUE(news.endsWith("Game won")) << news.toStdString();
}

// Klondike's stock turned by key S to its end, gathered back by S, and
// turned once more by Space with the mark on the stock; an Ace that turns
// up goes home with F from the waste.
TEST(KeyboardPlay, AKlondikeDealIsTurnedThroughItsStockWithTheKeys) {
    KeyedWindow w(StoredGame(2, "Klondike"));
    ASSERT_TRUE(w.f.window->Started()) << w.f.host.fatal;
    w.f.window->StartGameProcedure("1");
    const std::string dealt_stock = w.Pile("Mazzo");
    ASSERT_EQ(PileCount(dealt_stock), 24);
    bool ace_home = false;
    while (!w.Pile("Mazzo").empty()) {
        const int top = PileTop(w.Pile("Mazzo"));
        w.Key(Qt::Key_S);
        ASSERT_EQ(PileTop(w.Pile("Mazzo_Vis")), top);
        if (Rank(top) != 1 || ace_home) continue;
        ASSERT_TRUE(w.FocusOn("Mazzo_Vis"));
        w.Key(Qt::Key_F);
        ace_home = PileTop(w.Pile("Dest1")) == top || PileTop(w.Pile("Dest2")) == top ||
                   PileTop(w.Pile("Dest3")) == top || PileTop(w.Pile("Dest4")) == top;
        EXPECT_TRUE(ace_home) << "the Ace went home";
    }
    const std::string waste = w.Pile("Mazzo_Vis");
    w.Key(Qt::Key_S);
    EXPECT_EQ(PileCount(w.Pile("Mazzo_Vis")), 1) << "the waste gathered back and its first card turned";
    EXPECT_EQ(PileCount(w.Pile("Mazzo")) + 1, PileCount(waste));
    ASSERT_TRUE(w.FocusOn("Mazzo"));
    const int next = PileTop(w.Pile("Mazzo"));
    w.Key(Qt::Key_Space);
    EXPECT_EQ(PileTop(w.Pile("Mazzo_Vis")), next);
    EXPECT_TRUE(w.ShowsBackBuffer());
}

// Up chooses one card more of a fanned run, Down one fewer; past the end of
// the run the mark goes to the pile above or below; Left and Right visit
// every pile on the table and come round.
TEST(KeyboardPlay, TheMarkWalksEveryPileAndChoosesWithinAFan) {
    KeyedWindow w(StoredGame(kFreecell, "Freecell"));
    ASSERT_TRUE(w.f.window->Started()) << w.f.host.fatal;
    w.f.window->StartGameProcedure(kFreecellDeal);
    std::set<std::string> visited;
    w.Key(Qt::Key_Right);
    const PileRef first = w.Keys().Focused();
    for (int i = 0; i < 16; ++i) {
        visited.insert(PileName(w.Keys().Focused()));
        w.Key(Qt::Key_Right);
    }
    EXPECT_EQ(visited.size(), 16u) << "eight piles, four free cells and four foundations";
    EXPECT_TRUE(w.Keys().Focused() == first) << "Right comes round";

    ASSERT_TRUE(w.FocusOn("Fila1"));
    // A pause hides the table: its keys do nothing until the game goes on.
    w.f.Find<QAction>("mnuPause")->trigger();
    ASSERT_TRUE(w.f.window->Paused());
    w.Key(Qt::Key_Space);
    EXPECT_FALSE(w.Table().Input()->Carrying());
    w.f.Find<QAction>("mnuPause")->trigger();
    w.Key(Qt::Key_Space);
    EXPECT_TRUE(w.Table().Input()->Carrying());
    w.Key(Qt::Key_Escape);

    const int top = PileTop(w.Pile("Fila1"));
    w.Key(Qt::Key_Up);
    EXPECT_EQ(w.Keys().Chosen().code, PileCodeAt(w.Pile("Fila1"), PileCount(w.Pile("Fila1")) - 2));
    w.Key(Qt::Key_Down);
    EXPECT_EQ(w.Keys().Chosen().code, top);
    w.Key(Qt::Key_Down);
    EXPECT_TRUE((w.Keys().Focused() == PileRef{ListId::Tableau, 0})) << "nothing lies below the piles";
    w.Key(Qt::Key_Up, 7);
    EXPECT_NE(w.Keys().Focused().list, ListId::Tableau) << "past the whole fan: the row above";
}

// A pair of the pyramid's free bottom row taken off by keys: Up steps along
// the row to each card, Space selects it as a click does (a King alone).
TEST(KeyboardPlay, APyramidPairIsRemovedWithTheKeys) {
    KeyedWindow w(StoredGame(6, "Pyramid"));
    ASSERT_TRUE(w.f.window->Started()) << w.f.host.fatal;
    w.f.window->StartGameProcedure("1");
    const std::string row = w.Pile("Fila7");
    std::vector<int> pick;
    for (int i = 0; i < PileCount(row) && pick.empty(); ++i) {
        if (Rank(PileCodeAt(row, i)) == 13) pick = {PileCodeAt(row, i)};
        for (int j = i + 1; j < PileCount(row) && pick.empty(); ++j)
            if (Rank(PileCodeAt(row, i)) + Rank(PileCodeAt(row, j)) == 13) pick = {PileCodeAt(row, i), PileCodeAt(row, j)};
    }
    ASSERT_FALSE(pick.empty()) << row;
    for (int card : pick) {
        ASSERT_TRUE(w.ChooseCard("Fila7", card));
        w.Key(Qt::Key_Space);
        EXPECT_FALSE(w.Table().Input()->Carrying());
    }
    for (int card : pick) {
        EXPECT_LT(PileIndexOf(w.Pile("Fila7"), card), 0) << card;
        EXPECT_GE(PileIndexOf(w.Pile("Mazzo_Waste"), card), 0) << card;
    }
}

std::vector<std::string> ChildNames(QAccessibleInterface* table) {
    std::vector<std::string> names;
    for (int i = 0; i < table->childCount(); ++i)
        names.push_back(table->child(i)->text(QAccessible::Name).toStdString());
    return names;
}

QAccessibleInterface* ChildNamed(QAccessibleInterface* table, const std::string& name) {
    for (int i = 0; i < table->childCount(); ++i)
        if (table->child(i)->text(QAccessible::Name).toStdString() == name) return table->child(i);
    return nullptr;
}

// The accessible table lists every pile by its role and number with what it
// holds, the top card by name; the pile under the mark is the focused item;
// a move changes what the piles say and is announced, and so is the win.
TEST(KeyboardPlay, TheAccessibleTableNamesEveryPileAndAnnouncesTheMoves) {
    KeyedWindow w(StoredGame(kFreecell, "Freecell"));
    ASSERT_TRUE(w.f.window->Started()) << w.f.host.fatal;
    w.f.window->StartGameProcedure(kFreecellDeal);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&w.Table());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::List);
    std::vector<std::string> names = ChildNames(table);
    ASSERT_EQ(names.size(), 17u) << "sixteen piles and the announcement";
    names.pop_back();
    const std::set<std::string> expected = {
        "Free cell 1", "Free cell 2", "Free cell 3", "Free cell 4", "Foundation 1", "Foundation 2",
        "Foundation 3", "Foundation 4", "Tableau 1", "Tableau 2", "Tableau 3", "Tableau 4",
        "Tableau 5", "Tableau 6", "Tableau 7", "Tableau 8"};
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), expected);
    for (int i = 1; i <= 8; ++i) {
        const std::string pile = "Fila" + std::to_string(i);
        const std::string said = ChildNamed(table, "Tableau " + std::to_string(i))
                                     ->text(QAccessible::Description).toStdString();
        EXPECT_EQ(said, std::to_string(PileCount(w.Pile(pile))) + " cards, " +
                            CardSpokenName(PileTop(w.Pile(pile))) + " on top");
    }
    EXPECT_EQ(ChildNamed(table, "Free cell 1")->text(QAccessible::Description).toStdString(), "empty");
    EXPECT_FALSE(ChildNamed(table, "Tableau 1")->rect().isEmpty());

    w.f.window->activateWindow();
    QApplication::setActiveWindow(w.f.window.get());
    w.Table().setFocus();
    w.f.Settle();
    ASSERT_TRUE(w.FocusOn("Fila2"));
    if (w.Table().hasFocus()) {
        ASSERT_NE(table->focusChild(), nullptr);
        EXPECT_EQ(table->focusChild()->text(QAccessible::Name).toStdString(), "Tableau 2");
        EXPECT_TRUE(table->focusChild()->state().focused);
    }

    // The top card of tableau 2 to the first free cell.
    const int card = PileTop(w.Pile("Fila2"));
    ASSERT_TRUE(w.MoveByKeys(card, "Fila2", "Appogg1"));
    EXPECT_EQ(ChildNamed(table, "Free cell 1")->text(QAccessible::Description).toStdString(),
              "1 card, " + CardSpokenName(card));
    QAccessibleInterface* news = table->child(table->childCount() - 1);
    EXPECT_EQ(news->role(), QAccessible::Notification);
    std::string moved = CardSpokenName(card) + " from Tableau 2 to Free cell 1";
    moved[0] = static_cast<char>(std::toupper(moved[0]));
    EXPECT_EQ(news->text(QAccessible::Name).toStdString(), moved);
}

}  // namespace
}  // namespace velmora::window_test
