#pragma once
// A small table to draw on: an engine whose program folder (and settings
// file) lies in a fresh temporary folder, offscreen surfaces of a 200 x 150
// screen, and a pacer that remembers what it was told.

#include <QDir>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

#include "engine/model/engine.h"
#include "qt_test_app.h"
#include "render/table_surfaces.h"
#include "storage/settings_file.h"

namespace velmora::render_test {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kGreen = 0xFF006000u;

class RecordingPacer : public Pacer {
public:
    void Invalidate(const QRect& rect) override { invalidated.push_back(rect); }
    void Update() override { ++updates; }
    std::vector<QRect> invalidated;
    int updates = 0;
};

class RenderTable {
public:
    RenderTable() {
        test::EnsureApplication();
        folder_ = QDir(dir_.path()).absolutePath().toStdString() + "/";
        engine_ = EngineInit(folder_);
        PrepareTable(*engine_);
        MarkPilesUnplaced(engine_->main_game, engine_->tableau_anchors);
        surfaces.Resize(200, 150, 230, 180);
    }
    Engine& e() { return *engine_; }
    const std::string& Folder() const { return folder_; }
    SettingsFile Settings() const { return OpenSettingsFile(engine_->params); }
    const std::string& LastMessage() const { return engine_->quiet_messages.last; }
    void FillAll(QRgb colour) {
        for (Surface* s : {&surfaces.Window(), &surfaces.back_buffer, &surfaces.background.Held()})
            s->Fill(s->Bounds(), colour);
    }
    // The window pixel, after checking the back buffer holds the same one.
    QRgb Shown(int x, int y) {
        const QRgb pixel = surfaces.Window().Pixel(x, y);
        return pixel == surfaces.back_buffer.Pixel(x, y + surfaces.scroll) ? pixel : 0x12345678u;
    }

    TableSurfaces surfaces;
    RecordingPacer pacer;

private:
    QTemporaryDir dir_;
    std::string folder_;
    std::unique_ptr<Engine> engine_;
};

}  // namespace velmora::render_test
