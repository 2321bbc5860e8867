#pragma once
// A main window over a throw-away program folder: GAMES.DAT and QOR.RGF are
// linked in from the build's program folder, the settings file starts with
// what a test writes, and the host, help, game selection and clock are
// recorders the tests look at. Animations are off, so nothing waits.

#include <functional>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/model/engine.h"
#include "engine/model/pile_names.h"
#include "engine/model/piles.h"
#include "engine/play/drag_moves.h"
#include "engine/play/pointer.h"
#include "qt_test_app.h"
#include "ui/main/main_window.h"
#include "ui/main/table_widget.h"

namespace velmora::window_test {

class RecordingHost : public WindowHost {
  public:
    std::string ExpandPlaceholders(std::string_view text) override {
        std::string out(text);
        const size_t at = out.find("[Program]");
        if (at != std::string::npos) out.replace(at, 9, "Velmora");
        return out;
    }
    bool AskQuitGame(std::string_view question) override {
        questions.emplace_back(question);
        return answer;
    }
    void StopSound() override { ++sounds_stopped; }
    void FatalError(std::string_view text) override { fatal = std::string(text); }
    SummaryChoice AskAfterGame(const GameSummary& summary, QWidget* /*owner*/) override {
        summaries.push_back(summary);
        return after_game;
    }

    std::optional<std::string> AskDealNumber(const std::string& current, QWidget* /*owner*/) override {
        shown_number = current;
        return deal_number;
    }
    std::optional<std::string> ManagePlayers(ParamRecord& params, QWidget* /*owner*/) override {
        ++players_shown;
        return players_dialog ? players_dialog(params) : std::nullopt;
    }
    bool EditFavorites(const ParamRecord& /*params*/, const std::vector<std::string>& catalogue,
                       QWidget* /*owner*/) override {
        favorites_catalogue = catalogue;
        return true;
    }
    void ShowTips() override { ++tips_shown; }
    bool PrepareStatistics() override { return first_run; }
    std::string AskSaveFile(QWidget* /*owner*/) override { return save_file; }
    // The window's dialogs are handed to the test instead of being run.
    void RunDialog(QDialog& dialog) override {
        ++dialogs_run;
        if (on_dialog) on_dialog(dialog);
    }
    bool AskYesNo(std::string_view question) override {
        questions.emplace_back(question);
        return answer;
    }
    std::string AskOpenFile(QWidget* /*owner*/) override { return open_file; }

    // What the players dialog does to the list, and the player it gives.
    std::function<std::optional<std::string>(ParamRecord&)> players_dialog;
    int players_shown = 0;
    std::vector<std::string> favorites_catalogue;
    std::vector<GameSummary> summaries;
    SummaryChoice after_game = SummaryChoice::Close;
    std::optional<std::string> deal_number;  // what the player types for a game number
    std::string shown_number;                // what the box showed first
    std::string save_file;
    std::string open_file;
    std::vector<std::string> questions;
    std::function<void(QDialog&)> on_dialog;
    int dialogs_run = 0;
    bool answer = true;
    int tips_shown = 0;
    bool first_run = false;  // no player has statistics yet
    int sounds_stopped = 0;
    std::string fatal;
};

class RecordingHelp : public HelpOpener {
  public:
    void ShowTopic(const std::string& file, int context) override {
        topics.push_back(file + " " + std::to_string(context));
    }
    std::vector<std::string> topics;
};

class ScriptedSelection : public GameSelection {
  public:
    std::optional<ChosenGame> Choose() override {
        ++shown;
        if (during_choice) during_choice();
        return choice;
    }
    std::optional<ChosenGame> choice;
    std::function<void()> during_choice;
    int shown = 0;
};

class WindowFixture {
  public:
    // `settings`: the lines of the [Preference] section to start with;
    // `before_start` may put files in the program folder before the window
    // reads them.
    explicit WindowFixture(const std::string& settings = "",
                           const std::function<void(const std::string& folder)>& before_start = {}) {
        test::EnsureApplication();
        const QString dir = QDir(folder_.path()).absolutePath();
        for (const char* name : {"GAMES.DAT", "QOR.RGF"})
            QFile::link(QString(VELMORA_PROGRAM_DIR) + name, dir + "/" + name);
        QDir(dir).mkdir("DATA");
        std::ofstream(dir.toStdString() + "/DATA/CFG.DAT")
            << "[Preference]\nDeal_Animation=N\nCards_Animate=N\nMainWindowState_Maximized=N\n"
            << settings;
        if (before_start) before_start(dir.toStdString() + "/");
        engine_ = EngineInit(dir.toStdString() + "/");
        MainWindowServices services;
        services.host = &host;
        services.help = &help;
        services.game_selection = &selection;
        services.time_of_day = [this] { return now; };
        window = std::make_unique<TfrmMain>(*engine_, services);
    }
    ~WindowFixture() { window.reset(); }

    Engine& e() { return *engine_; }
    std::string Folder() const { return QDir(folder_.path()).absolutePath().toStdString() + "/"; }
    std::string Settings() const {
        std::ifstream in(Folder() + "DATA/CFG.DAT");
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Shows the window at that size and lets the resize reach every widget.
    void Show(int width = 1000, int height = 700) {
        window->resize(width, height);
        window->show();
        Settle();
    }
    void Resize(int width, int height) {
        window->resize(width, height);
        Settle();
    }
    static void Settle() {
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    }
    template <typename T>
    T* Find(const char* name) const {
        return window->findChild<T*>(name);
    }

    RecordingHost host;
    RecordingHelp help;
    ScriptedSelection selection;
    int now = 12 * 3600;  // seconds since midnight
    std::unique_ptr<TfrmMain> window;

  private:
    QTemporaryDir folder_;
    std::unique_ptr<Engine> engine_;
};

// The first move the player could drag, made as the player's action;
// false when there is none or it was refused.
inline bool MakeAMove(WindowFixture& f) {
    bool moved = false;
    f.window->Table().run_guarded([&] {
        Engine& e = f.e();
        const std::vector<DragMove> moves = ListDragMoves(e);
        if (moves.empty()) return;
        const PressResult picked = PickUpToDrag(e, moves.front().from, moves.front().code);
        const PileRef to = *ParsePileName(moves.front().to);
        const int kind = to.list == ListId::Foundation ? kKindFoundation
                         : to.list == ListId::Tableau  ? kKindTableau
                         : to.list == ListId::Reserve  ? kKindReserve
                                                       : kKindWaste;
        moved = PointerRelease(e, picked, {{kind, to.index, 1}}, true);
    });
    return moved;
}

}  // namespace velmora::window_test
