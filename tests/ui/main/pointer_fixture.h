#pragma once
// A dealt game on offscreen surfaces with the pointer in hand: an engine
// over a throw-away program folder, the shipped GAMES.DAT and QOR.RGF, a
// renderer whose beeps are counted, and recorders for the cursor, the
// sounds and the window's hooks. Flights make no pauses unless a test asks.

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/deal/start_game.h"
#include "engine/layout/card_positions.h"
#include "engine/layout/pile_layout.h"
#include "engine/model/engine.h"
#include "engine/model/games_file.h"
#include "engine/play/deal_placement.h"
#include "platform/resource_library.h"
#include "qt_test_app.h"
#include "render/table_renderer.h"
#include "ui/main/table_pointer.h"

namespace velmora::pointer_test {

constexpr int kTableWidth = 1024;
constexpr int kTableHeight = 768;

class CountingRenderer : public TableRenderer {
public:
    using TableRenderer::TableRenderer;
    void Beep() override { ++beeps; }
    int beeps = 0;
};

// A pacer whose waits can stand for the window's events arriving while an
// animation runs.
class HookPacer : public Pacer {
public:
    void Wait(int /*milliseconds*/) override {
        if (!during_wait) return;
        auto hook = std::move(during_wait);
        during_wait = nullptr;
        hook();
    }
    std::function<void()> during_wait;
};

class RecordingCursor : public PointerCursor {
public:
    void ShowCursorSlot(int slot) override { shown.push_back(slot); }
    std::vector<int> shown;
};

class RecordingSounds : public SoundEvents {
public:
    void PlayEvent(std::string_view name) override { played.emplace_back(name); }
    std::vector<std::string> played;
};

struct Spot {
    int x = 0;
    int y = 0;
};

// The rectangle of the card `skip` cards below the top of a pile; for 0 the
// anchor rectangle as the drop geometry measures it (the top card, or where
// a first card would lie).
inline Rect CardRectBelowTop(const Engine& e, const std::string& pile, int skip) {
    const int x = CardX(e, pile, ParsePileName(pile)->index, skip, false);
    const int y = CardY(e, pile, skip, false);
    return {x, y, x + e.geometry.card.width, y + e.geometry.card.height};
}
inline Rect TopCardRectOf(const Engine& e, const std::string& pile) { return CardRectBelowTop(e, pile, 0); }

class PointerTable {
    // First, so they outlive the renderer and the pointer built over them.
    QTemporaryDir dir_;
    std::unique_ptr<Engine> engine_ = EngineInit(QDir(dir_.path()).absolutePath().toStdString() + "/");
    ResourceLibrary library_;
    GamesData games_;
    PlayDealRules rules_;

public:
    // `settings`: parameter record fields (position, value) written before the deal.
    explicit PointerTable(int game, std::vector<std::pair<int, std::string>> settings = {}) {
        test::EnsureApplication();
        Engine& e = *engine_;
        library_.Load(std::string(VELMORA_PROGRAM_DIR) + "QOR.RGF");
        ParamRecord& p = e.params;
        for (const auto& [position, value] : std::vector<std::pair<int, std::string>>{
                 {param::kCardSize, "B"}, {24, "001"}, {21, "011"}, {74, "0"}, {178, "N"}, {179, "N"}, {172, "10"}})
            p.ParamWrite(position, static_cast<int>(value.size()), value);
        for (const auto& [position, value] : settings) p.ParamWrite(position, static_cast<int>(value.size()), value);
        e.sounds = &sounds;
        surfaces.Resize(kTableWidth, kTableHeight, kTableWidth, kTableHeight);
        const bool read = ReadGamesFile(std::string(VELMORA_PROGRAM_DIR) + "GAMES.DAT", games_);
        LoadCatalogue(e, games_);
        ChooseGame(e, game);
        started = read && Deal();
        renderer = std::make_unique<CountingRenderer>(e, surfaces, library_, pacer);
        e.view = renderer.get();
        renderer->FullRedraw(false);
        PointerWindow window;
        window.cursor = &cursor;
        window.refresh_time = [this] { ++time_refreshes; };
        window.after_move = [this] { ++after_moves; };
        pointer = std::make_unique<TablePointer>(e, *renderer, window);
    }

    Engine& e() { return *engine_; }
    // A deal of the game, as the window starts it (without automatic play).
    bool Deal(const std::string& number = "1") {
        const LayoutInputs inputs = MainWindowInputs(kTableWidth, kTableHeight, 0, 0, kTableWidth, kTableHeight);
        StartOptions options;
        options.deal_number = number;
        options.rules = &rules_;
        options.layout = &inputs;
        const bool dealt = StartGame(e(), games_, options);
        // Automatic play would change the table after every release.
        e().play.autoplay_checked = false;
        if (renderer) renderer->FullRedraw(false);
        return dealt;
    }
    const std::string& Pile(const std::string& name) {
        const PileRef ref = *ParsePileName(name);
        return e().piles.Text(ref.list, ref.index);
    }
    std::vector<std::string> AllPiles() {
        std::vector<std::string> out;
        for (int n = 0; n < kAllPiles; ++n) out.push_back(*e().piles.Flat(n));
        return out;
    }
    // The rectangle of a top card (of any card where all of it shows).
    Rect CardRectOf(int card) { return CardRect(e(), card); }
    // The rectangle of card `position` (0 the bottom) of a tableau.
    Rect CardInPile(const std::string& pile, int position) {
        return CardRectBelowTop(e(), pile, static_cast<int>(Pile(pile).size() / 3) - 1 - position);
    }
    static Spot Centre(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    // The anchor rectangle of a pile as the drop geometry measures it.
    Rect TopCardRect(const std::string& pile) { return TopCardRectOf(e(), pile); }
    QImage Window() { return surfaces.Window().Image().copy(); }
    // The window shows exactly what the back buffer holds.
    bool WindowMatchesBackBuffer() {
        const QImage& shown = surfaces.Window().Image();
        return shown == surfaces.back_buffer.Image().copy(0, surfaces.scroll, shown.width(), shown.height());
    }

    void Press(Spot at, Qt::MouseButton button = Qt::LeftButton) {
        pointer->Press(button, Qt::NoModifier, at.x, at.y);
    }
    void Move(Spot at) { pointer->Move(at.x, at.y); }
    void Release(Spot at) { pointer->Release(Qt::LeftButton, at.x, at.y); }
    // The whole drag: press on `from`, one move, release.
    void Drag(Spot from, Spot to) {
        Press(from);
        Move(to);
        Release(to);
    }

    bool started = false;
    TableSurfaces surfaces;
    HookPacer pacer;
    RecordingCursor cursor;
    RecordingSounds sounds;
    std::unique_ptr<CountingRenderer> renderer;
    std::unique_ptr<TablePointer> pointer;
    int time_refreshes = 0;
    int after_moves = 0;

};

}  // namespace velmora::pointer_test
