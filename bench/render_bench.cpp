// How fast the table is drawn at 1280 x 800: a full redraw of each game's
// first deal, one step of a dragged card and of a dragged run, and the
// drawing work of one card flight (its pauses left out). The fitted cases
// draw at 1920 x 1080 with cards drawn at a size of their own: the first
// redraw (every picture it shows drawn), later redraws and drag steps.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "art/card_faces.h"
#include "art/fonts.h"
#include "driver.h"
#include "engine/layout/card_positions.h"
#include "engine/model/engine.h"
#include "engine/model/pile_names.h"
#include "platform/resource_library.h"
#include "render/card_flight.h"
#include "render/drag_image.h"
#include "render/table_renderer.h"
#include "render/table_surfaces.h"

namespace {

using velmora::cli::Driver;

// A game dealt and drawn once on a 1280 x 800 table with big cards, as
// "shot" draws it; `fitted`, on a 1920 x 1080 table with cards that fit it.
struct DrawnTable {
    explicit DrawnTable(int game, bool fitted = false)
        : driver(VELMORA_PROGRAM_DIR, std::string(VELMORA_PROGRAM_DIR) + "GAMES.DAT") {
        std::ostringstream sink;
        driver.Execute(fitted ? "window 1920 1080 1920 1080" : "window 1280 800 1280 800", sink);
        driver.Execute("new " + std::to_string(game) + " 1", sink);
        driver.Execute(fitted ? "size F" : "size B", sink);
        library.Load(std::string(VELMORA_PROGRAM_DIR) + "QOR.RGF");
        surfaces.Resize(fitted ? 1920 : 1280, fitted ? 1080 : 800, fitted ? 1920 : 1280, fitted ? 1080 : 800);
        renderer = std::make_unique<velmora::TableRenderer>(driver.engine(), surfaces, library, pacer);
        renderer->FullRedraw(false);
    }
    velmora::DrawContext Context() { return renderer->Context(); }

    Driver driver;
    velmora::ResourceLibrary library;
    velmora::TableSurfaces surfaces;
    velmora::QuietPacer pacer;
    std::unique_ptr<velmora::TableRenderer> renderer;
};

void FullRedraw(benchmark::State& state) {
    DrawnTable table(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        table.renderer->FullRedraw(false);
        benchmark::DoNotOptimize(table.surfaces.Window().Image().constBits());
    }
}
BENCHMARK(FullRedraw)->DenseRange(1, 9)->Unit(benchmark::kMillisecond);

void FullRedrawFullHd(benchmark::State& state) {
    DrawnTable table(static_cast<int>(state.range(0)), true);
    for (auto _ : state) {
        table.renderer->FullRedraw(false);
        benchmark::DoNotOptimize(table.surfaces.Window().Image().constBits());
    }
}
BENCHMARK(FullRedrawFullHd)->DenseRange(1, 9)->Unit(benchmark::kMillisecond);

// One move of the pointer while carrying: the uncovered strips given back
// and the picture drawn at its new place (shadows as the settings have them).
void DragStep(benchmark::State& state) {
    DrawnTable table(1);  // Freecell
    velmora::DrawContext ctx = table.Context();
    const bool run = state.range(0) != 0;
    if (run) {
        velmora::BuildRunDragImage(ctx, {velmora::ListId::Tableau, 0}, 3);  // four cards
    } else {
        velmora::BuildCardDragImage(ctx, 7, QPoint(300, 300));
    }
    int step = 0;
    for (auto _ : state) {
        const int d = (step++ % 2) * 3;
        velmora::MoveDragImage(ctx, 300 + d, 300 + d, false);
    }
}
BENCHMARK(DragStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Cards fitted to a 1920 x 1080 table: the first redraw draws the
// pictures it shows, later ones find them drawn.
void FittedFirstRedraw(benchmark::State& state) {
    for (auto _ : state) {
        DrawnTable table(static_cast<int>(state.range(0)), true);
        benchmark::DoNotOptimize(table.surfaces.Window().Image().constBits());
    }
}
BENCHMARK(FittedFirstRedraw)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void FittedFullRedraw(benchmark::State& state) {
    DrawnTable table(static_cast<int>(state.range(0)), true);
    for (auto _ : state) {
        table.renderer->FullRedraw(false);
        benchmark::DoNotOptimize(table.surfaces.Window().Image().constBits());
    }
}
BENCHMARK(FittedFullRedraw)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void FittedDragStep(benchmark::State& state) {
    DrawnTable table(1, true);
    velmora::DrawContext ctx = table.Context();
    velmora::BuildRunDragImage(ctx, {velmora::ListId::Tableau, 0}, 3);
    int step = 0;
    for (auto _ : state) {
        const int d = (step++ % 2) * 3;
        velmora::MoveDragImage(ctx, 400 + d, 400 + d, false);
    }
}
BENCHMARK(FittedDragStep)->Unit(benchmark::kMicrosecond);

// The 52 faces of the classic set, 100 pixels wide, drawn one after another
// in this thread: the work a first table of face-up cards shares out among
// the helpers.
void FittedFaces(benchmark::State& state) {
    velmora::art::LoadFonts();
    const velmora::art::CardSize size = velmora::art::FittedCard(static_cast<int>(state.range(0)),
                                                                 static_cast<int>(state.range(0)) * 96 / 71);
    for (auto _ : state)
        for (int suit = 0; suit < 4; ++suit)
            for (int rank = 1; rank <= 13; ++rank)
                benchmark::DoNotOptimize(velmora::art::DrawCardFace(size, velmora::art::ClassicSet(),
                                                                    static_cast<velmora::art::Suit>(suit), rank, 1.0)
                                             .constBits());
}
BENCHMARK(FittedFaces)->Arg(100)->Unit(benchmark::kMillisecond);

// One card flying from the first tableau to the first foundation, with
// "Speed_Move_Card" 0 so that only the drawing is measured.
void CardFlight(benchmark::State& state) {
    DrawnTable table(1);
    velmora::Engine& e = table.driver.engine();
    e.params.ParamWrite(74, 2, "0");
    velmora::DrawContext ctx = table.Context();
    const QPoint from(velmora::CardX(e, "Fila1", 0, 0, false), velmora::CardY(e, "Fila1", 0, false));
    const QPoint to(e.main_game.FoundationX(0), e.main_game.FoundationY(0));
    for (auto _ : state) velmora::FlyCard(ctx, 7, from, to);
}
BENCHMARK(CardFlight)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // Text and pictures need Qt's GUI part; no display is needed.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int qt_argc = 1;
    char name[] = "render_bench";
    char* qt_argv[] = {name, nullptr};
    QGuiApplication application(qt_argc, qt_argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
