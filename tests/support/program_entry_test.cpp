#include "support/program_entry.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "engine/model/engine.h"
#include "platform/resource_library.h"
#include "program_folder.h"
#include "qt_test_app.h"
#include "support/messages.h"
#include "support/sound_output.h"
#include "ui/main/main_window.h"
#include "ui/main/table_widget.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

class RecordingBoxes : public MessageBoxes {
public:
    void Information(std::string_view text) override { shown.push_back("info: " + std::string(text)); }
    bool Advice(std::string_view text, int /*page*/) override {
        shown.push_back("advice: " + std::string(text));
        return false;
    }
    void Error(std::string_view text) override {
        shown.push_back("error: " + std::string(text));
        for (const QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "frmSplashForm" && w->isVisible()) splash_over_box = true;
    }
    std::vector<std::string> shown;
    bool splash_over_box = false;
};

// Keeps the bytes of every sound started, in order.
class RecordingOutput : public SoundOutput {
public:
    void PlayAsync(std::span<const uint8_t> wave) override { Record(wave); }
    void PlaySync(std::span<const uint8_t> wave) override { Record(wave); }
    void PlayLoop(std::span<const uint8_t> wave) override { Record(wave); }
    void Stop() override {}
    void Record(std::span<const uint8_t> wave) { played.emplace_back(wave.begin(), wave.end()); }
    std::vector<std::vector<uint8_t>> played;
};

constexpr const char* kQuickStart = "[Preference]\nDeal_Animation=N\nCards_Animate=N\n";

// A program folder; `files` of the build's program folder are linked in.
class EntryFolder : public testing_support::ProgramFolder {
public:
    explicit EntryFolder(std::initializer_list<const char*> files, const std::string& settings = "") {
        test::EnsureApplication();
        for (const char* name : files) fs::create_symlink(fs::path(VELMORA_PROGRAM_DIR) / name, Path() / name);
        // No animations and no tip of the day, so nothing in these tests waits.
        PutSettings(std::string(kQuickStart) + "Tips_StartUp=N\n" + settings);
        // A player's statistics file: the program was used before, so the
        // game selection does not open by itself.
        fs::create_directories(Path() / "DATA");
        std::ofstream(Path() / "DATA" / "Stat_e00.dat").flush();
    }
};

struct StartResult {
    int code = -1;
    bool ran = false;  // the loop ran with the window shown
    std::string game_id;
    bool in_progress = false;
    int cards = 0;  // on the table, all piles together
    std::string caption;
};

StartResult RunAndClose(const EntryFolder& folder, RecordingBoxes& boxes, SoundOutput* output = nullptr) {
    StartResult run;
    ProgramHooks hooks;
    hooks.program_folder = folder.Folder();
    hooks.boxes = &boxes;
    hooks.sound_output = output;
    hooks.running = [&run](TfrmMain& window, Engine& engine) {
        run.ran = window.isVisible();
        run.game_id = engine.params.ParamRead(param::kGameId, 4);
        run.cards = 0;
        for (int n = 0; n < 57; ++n) run.cards += static_cast<int>(engine.piles.Flat(n)->size() / 3);
        run.in_progress = engine.flags.Get(flag::kInProgress);
        run.caption = window.windowTitle().toStdString();
        window.close();
    };
    run.code = RunProgram(hooks);
    return run;
}

TEST(ProgramEntry, AMissingFileEndsTheStartWithItsBoxAndCodeZero) {
    struct Case {
        std::initializer_list<const char*> files;
        std::string missing;
    };
    const Case cases[] = {{{"GAMES.DAT"}, "QOR.RGF"}, {{"QOR.RGF"}, "GAMES.DAT"}};
    for (const Case& c : cases) {
        EntryFolder folder(c.files);
        RecordingBoxes boxes;
        const StartResult run = RunAndClose(folder, boxes);
        EXPECT_EQ(run.code, 0) << c.missing;
        EXPECT_FALSE(run.ran) << c.missing << ": the program ended before its loop";
        const std::string path = folder.Folder() + c.missing;
        const std::string box = c.missing == "QOR.RGF"
                                    ? "Can't find/load " + path
                                    : "Cannot find file:\r" + path +
                                          "\rCopy the file into the directory that above is specified\r"
                                          "or reinstall the program.";
        EXPECT_EQ(boxes.shown, std::vector<std::string>{"error: " + box});
        EXPECT_FALSE(boxes.splash_over_box) << "the splash is hidden before the box";
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the hourglass is gone";
}

// A file that is there but unusable ends the start as a missing one does,
// with a box saying what is wrong, and the path as it is spelt on disk.
TEST(ProgramEntry, ADamagedOrUnreadableFileEndsTheStartWithItsOwnBox) {
    struct Case {
        std::string name;      // as put on disk
        std::string contents;  // empty with `folder`: a folder of that name
        bool folder;
        std::string box_start;
    };
    const Case cases[] = {
        {"GAMES.DAT", "", false, "The file is damaged:\r"},
        {"GAMES.DAT", "[Sect1]\r\n[Sect2]\r\n", false, "The file is damaged:\r"},
        {"GAMES.DAT", "", true, "Cannot read file:\r"},
        {"Qor.rgf", "not a library", false, "Can't find/load "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + (c.folder ? " (folder)" : ""));
        const bool games = c.name == "GAMES.DAT";
        EntryFolder folder({games ? "QOR.RGF" : "GAMES.DAT"});
        const fs::path path = folder.Path() / c.name;
        if (c.folder) fs::create_directory(path);
        else std::ofstream(path) << c.contents;
        RecordingBoxes boxes;
        const StartResult run = RunAndClose(folder, boxes);
        EXPECT_EQ(run.code, 0);
        EXPECT_FALSE(run.ran);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].rfind("error: " + c.box_start + path.string(), 0), 0u) << boxes.shown[0];
    }
}

TEST(ProgramEntry, StartsWithTheStoredOrFirstGameDealtAndWritesItsSettingsOnClose) {
    struct Case {
        std::string settings;
        std::string game_id;
        std::string placement;  // as written on close
    };
    const Case cases[] = {
        {"", "0001", "MainWindowState_Maximized=Y"},  // a first run: the first game, maximized
        {"Game=3\nMainWindowState_Maximized=N\nMainWindowState_Left=40\nMainWindowState_Top=30\n"
         "MainWindowState_Width=800\nMainWindowState_Height=600\n",
         "0003", "MainWindowState_Width=800"},
    };
    for (const Case& c : cases) {
        EntryFolder folder({"GAMES.DAT", "QOR.RGF"}, c.settings);
        RecordingBoxes boxes;
        const StartResult run = RunAndClose(folder, boxes);
        EXPECT_EQ(run.code, 0);
        EXPECT_TRUE(run.ran);
        EXPECT_EQ(run.game_id, c.game_id);
        EXPECT_TRUE(run.in_progress) << "game " << c.game_id;
        EXPECT_GE(run.cards, 52) << "game " << c.game_id;
        EXPECT_NE(run.caption.find("Velmora ["), std::string::npos) << run.caption;
        EXPECT_TRUE(boxes.shown.empty());
        const std::string written = folder.Settings();
        for (const std::string& key : {std::string("AutoPlay=Y"), std::string("Random_Game_Type="), c.placement})
            EXPECT_NE(written.find(key), std::string::npos) << key << " in\n" << written;
        EXPECT_TRUE(fs::exists(folder.Path() / "DATA")) << "the DATA folder is made at start-up";
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the hourglass is gone";
}

TEST(ProgramEntry, TheSplashSoundFollowsItsOwnSwitchAndTheMasterSwitch) {
    ResourceLibrary library;
    ASSERT_TRUE(library.Load(std::string(VELMORA_PROGRAM_DIR) + "QOR.RGF"));
    const std::span<const uint8_t> splash = library.Wave("Splash");
    ASSERT_FALSE(splash.empty());
    const std::vector<uint8_t> splash_bytes(splash.begin(), splash.end());
    struct Case {
        std::string settings;
        bool heard;
    };
    const Case cases[] = {
        {"Sounds_Enabled=Y\nSounds_Splash=Y\n", true},
        {"Sounds_Enabled=Y\nSounds_Splash=N\n", false},
        {"Sounds_Enabled=N\nSounds_Splash=Y\n", false},
        {"", true},  // both default to "Y"
    };
    for (const Case& c : cases) {
        EntryFolder folder({"GAMES.DAT", "QOR.RGF"}, c.settings);
        RecordingBoxes boxes;
        RecordingOutput output;
        RunAndClose(folder, boxes, &output);
        const bool heard = !output.played.empty() && output.played.front() == splash_bytes;
        EXPECT_EQ(heard, c.heard) << c.settings;
    }
}

// The start-up probe reports once, at the first paint after the first deal.
TEST(ProgramEntry, TheStartupProbeReportsTheFirstPaintedDealOnce) {
    EntryFolder folder({"GAMES.DAT", "QOR.RGF"});
    const std::string probe = folder.Folder() + "probe.txt";
    setenv("VELMORA_STARTUP_PROBE", probe.c_str(), 1);
    RecordingBoxes boxes;
    bool reported_before_paint = true;
    bool dealt = false;
    ProgramHooks hooks;
    hooks.program_folder = folder.Folder();
    hooks.boxes = &boxes;
    hooks.running = [&](TfrmMain& window, Engine& engine) {
        dealt = engine.flags.Get(flag::kInProgress);
        reported_before_paint = fs::exists(probe);
        // The window shows once the platform exposes it; later paints
        // must not report again.
        for (int i = 0; i < 10; ++i) {
            QApplication::processEvents();
            window.Table().repaint();
        }
        window.close();
    };
    RunProgram(hooks);
    unsetenv("VELMORA_STARTUP_PROBE");
    EXPECT_TRUE(dealt);
    EXPECT_FALSE(reported_before_paint);
    std::ifstream in(probe);
    int lines = 0;
    for (std::string line; std::getline(in, line);) ++lines;
    EXPECT_EQ(lines, 1);
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// Without a player's statistics file the program counts as never used: the
// first activation opens the game selection over the dealt table.
// The tip of the day follows the selection, never over it.
TEST(ProgramEntry, AFirstRunGreetsThePlayerWithTheGameSelectionThenATip) {
    EntryFolder folder({"GAMES.DAT", "QOR.RGF"});
    folder.PutSettings(kQuickStart);
    std::filesystem::remove(folder.Path() / "DATA" / "Stat_e00.dat");
    std::ofstream(folder.Path() / "DATA" / "Stat_e5.dat").flush();  // one digit: not a player's file
    RecordingBoxes boxes;
    ProgramHooks hooks;
    hooks.program_folder = folder.Folder();
    hooks.boxes = &boxes;
    std::vector<std::string> shown;
    std::function<void(TfrmMain&)> close_next = [&](TfrmMain& window) {
        QTimer::singleShot(200, &window, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || shown.size() == 2) {
                window.close();
                return;
            }
            shown.push_back(dialog->windowTitle().toStdString());
            dialog->close();
            close_next(window);
        });
    };
    hooks.running = [&](TfrmMain& window, Engine&) {
        window.activateWindow();
        close_next(window);
    };
    EXPECT_EQ(RunProgram(hooks), 0);
    EXPECT_EQ(shown, (std::vector<std::string>{"Open a game", "Tip of the Day"}));
}

}  // namespace
}  // namespace velmora
