#pragma once
// The main window with the player's hand on it, as the program connects
// it: Qt mouse and key events on the table widget go through the table
// pointer into the engine and back onto the screen.

#include <QImage>
#include <QLabel>
#include <QTest>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/layout/card_positions.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_string.h"
#include "main_window_fixture.h"
#include "pointer_fixture.h"
#include "render/pile_drawing.h"
#include "ui/main/table_pointer.h"
#include "ui/main/table_widget.h"
#include "ui/main/widget_cursor.h"

namespace velmora::window_test {

constexpr int kWindowWidth = 1280;
constexpr int kWindowHeight = 800;

// The settings that start the game without automatic play.
inline std::string StoredGame(int game, const char* name) {
    return "Game=" + std::to_string(game) + "\nGame_name=" + name + "\nAutoPlay=N\n";
}

// The piles that hold cards, by name, so a difference reads well.
inline std::vector<std::string> Named(const PileLists& piles) {
    std::vector<std::string> out;
    for (ListId list : {ListId::Stock, ListId::Foundation, ListId::Tableau, ListId::Reserve})
        for (int i = 0; i < ListSize(list); ++i)
            if (!piles.Text(list, i).empty())
                out.push_back(PileName({list, i}) + " " + piles.Text(list, i));
    return out;
}

// The window with the player's hand on it.
class PlayedWindow {
  public:
    explicit PlayedWindow(const std::string& settings) : f(settings) {
        if (!f.window->Started()) return;
        TfrmMain& window = *f.window;
        cursor_ = std::make_unique<WidgetCursor>(window.Table(), window.Cursors());
        PointerWindow hand;
        hand.cursor = cursor_.get();
        hand.refresh_time = [&window] { window.Timer1Timer(); };
        pointer_ = std::make_unique<TablePointer>(f.e(), *window.View(), hand);
        window.SetTableInput(pointer_.get());
        f.Show(kWindowWidth, kWindowHeight);
    }
    ~PlayedWindow() {
        if (f.window) f.window->SetTableInput(nullptr);
    }

    Engine& e() { return f.e(); }
    TableWidget& Table() { return f.window->Table(); }
    std::string Label(const char* name) { return f.Find<QLabel>(name)->text().toStdString(); }
    std::string Pile(const std::string& name) {
        const PileRef ref = *ParsePileName(name);
        return e().piles.Text(ref.list, ref.index);
    }

    // Shown: the table widget's picture, which its paint copies unchanged.
    // Painted: what the widget paints, the toolbars lying over it included.
    QImage Shown() { return Table().Front().Image().copy(); }
    QImage Painted() { return Table().grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QImage BackBuffer(const QRect& r) {
        const DrawContext ctx = f.window->View()->Context();
        return ctx.surfaces.back_buffer.Image().copy(r.translated(0, ctx.surfaces.scroll));
    }
    QImage Background(const QRect& r) {
        const DrawContext ctx = f.window->View()->Context();
        return ctx.surfaces.background.Part(r.translated(0, ctx.surfaces.scroll)).Image();
    }
    // The table below the toolbar row and its lines, which lie over the
    // widget's top.
    QRect TableArea() {
        int top = 0;
        int bottom = Table().height();
        for (const QWidget* child : Table().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isVisible()) continue;
            // The status bar lies over the widget's foot.
            if (child->geometry().top() > Table().height() / 2)
                bottom = std::min(bottom, child->geometry().top());
            else
                top = std::max(top, child->geometry().bottom() + 1);
        }
        return QRect(0, top, Table().width(), bottom - top);
    }
    // Compared in place, pixel by pixel: the pictures are large and the
    // check runs after every move.
    bool ShowsBackBuffer() {
        const QRect table = TableArea();
        const DrawContext ctx = f.window->View()->Context();
        const QImage& shown = Table().Front().Image();
        const QImage& back = ctx.surfaces.back_buffer.Image();
        constexpr QRgb kColour = 0xffffff;
        for (int y = table.top(); y <= table.bottom(); ++y) {
            const auto* a = reinterpret_cast<const QRgb*>(shown.constScanLine(y)) + table.left();
            const auto* b =
                reinterpret_cast<const QRgb*>(back.constScanLine(y + ctx.surfaces.scroll)) +
                table.left();
            for (int x = 0; x < table.width(); ++x)
                if ((a[x] ^ b[x]) & kColour) return false;
        }
        return true;
    }
    const DragImage& Carried() { return f.window->View()->State().drag; }

    // Where the card lies, the covered cards of a tableau too.
    Rect CardPlace(int card) {
        const Rect whole = CardRect(e(), card);
        if (!whole.IsEmpty()) return whole;
        for (int i = 0; i < ListSize(ListId::Tableau); ++i) {
            const std::string& pile = e().piles.tableau[static_cast<size_t>(i)];
            const int at = PileIndexOf(pile, card);
            if (at < 0) continue;
            const int skip = static_cast<int>(pile.size() / 3) - 1 - at;
            return pointer_test::CardRectBelowTop(e(), PileName({ListId::Tableau, i}), skip);
        }
        return {};
    }
    // The middle of the part of the card that shows (all of it for a top card).
    QPoint Grip(int card) {
        const Rect r = CardPlace(card);
        const int x = (r.left + r.right) / 2;
        int first = -1, last = -1;
        for (int y = r.top; y <= r.bottom; ++y) {
            if (CardAt(e(), x, y).code != card) continue;
            if (first < 0) first = y;
            last = y;
        }
        return {x, (first + last) / 2};
    }
    QRect PileArea(const std::string& pile) {
        const int cards = std::max<int>(1, static_cast<int>(Pile(pile).size() / 3));
        const PileRef ref = *ParsePileName(pile);
        const int x = CardX(e(), pile, ref.index, cards - 1, false);
        const int y = CardY(e(), pile, cards - 1, false);
        const Rect top = pointer_test::TopCardRectOf(e(), pile);
        return QRect(QPoint(std::min(x, top.left), y), QPoint(top.right, top.bottom));
    }

    void Press(QPoint at) { QTest::mousePress(&Table(), Qt::LeftButton, Qt::NoModifier, at); }
    void MoveTo(QPoint at) { QTest::mouseMove(&Table(), at); }
    void Release(QPoint at) { QTest::mouseRelease(&Table(), Qt::LeftButton, Qt::NoModifier, at); }
    void Click(QPoint at) { QTest::mouseClick(&Table(), Qt::LeftButton, Qt::NoModifier, at); }
    // A double click as the system delivers it: press, release, the double
    // click in place of the second press, release.
    void DoubleClick(QPoint at) {
        Click(at);
        QTest::mouseDClick(&Table(), Qt::LeftButton, Qt::NoModifier, at);
        Release(at);
    }
    // Picks the card up and carries it, halfway first, until it lies on the
    // top card of `to` (the run keeps its place under the pointer).
    QPoint Lift(int card, const std::string& to) {
        const QPoint grip = Grip(card);
        const Rect from = CardPlace(card);
        const Rect onto = pointer_test::TopCardRectOf(e(), to);
        const QPoint over = grip + QPoint(onto.left - from.left, onto.top - from.top);
        Press(grip);
        MoveTo((grip + over) / 2);
        MoveTo(over);
        return over;
    }
    void Drag(int card, const std::string& to) { Release(Lift(card, to)); }

    WindowFixture f;

  private:
    std::unique_ptr<WidgetCursor> cursor_;
    std::unique_ptr<TablePointer> pointer_;
};

}  // namespace velmora::window_test
