#include "support/program_entry.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <QTimer>

#include <memory>
#include <optional>

#include "engine/model/engine.h"
#include "engine/model/games_file_ahead.h"
#include "platform/data_folder.h"
#include "platform/files.h"
#include "support/entry_services.h"
#include "support/pictures_ahead.h"
#include "support/splash_form.h"
#include "support/startup_probe.h"
#include "ui/dialogs/advanced_form.h"
#include "ui/main/main_window.h"
#include "ui/main/table_pointer.h"
#include "ui/main/table_widget.h"
#include "platform/wait_cursor.h"
#include "ui/main/widget_cursor.h"

namespace velmora {

namespace {

// Shown and painted before the slow start-up work, which keeps the loop busy.
void ShowSplash(TfrmSplashForm& splash) {
    ApplyAdvancedFormFont(splash);
    splash.show();
    splash.repaint();
    QCoreApplication::processEvents();
}

// Ties the services to the window for as long as it lives.
class WindowAttachment {
  public:
    WindowAttachment(EntryServices& services, TfrmMain& window) : services_(services) { services_.Attach(window); }
    ~WindowAttachment() { services_.Detach(); }
    WindowAttachment(const WindowAttachment&) = delete;
    WindowAttachment& operator=(const WindowAttachment&) = delete;

  private:
    EntryServices& services_;
};

// The game left unfinished in the last session is played on as soon as the
// loop runs; without one the game of the last session (the catalogue's first
// on a first run) is dealt, unless a game was started meanwhile. A stored
// game the catalogue no longer holds opens the game selection.
void DealStoredGame(TfrmMain& window, const Engine& engine) {
    if (engine.flags.Get(flag::kInProgress)) return;
    // Through the window's guard, so a close during the deal waits for it.
    if (window.Table().run_guarded)
        window.Table().run_guarded([&window] { window.ResumeOrStartGame(); });
    else
        window.ResumeOrStartGame();
}

// For the start-up benchmark: the table's next paint shows the first deal.
void ArmStartupProbe(TableWidget& table) {
    if (!StartupProbeRequested()) return;
    table.painted = [reported = false]() mutable {
        if (!reported) ReportStartup();
        reported = true;
    };
    table.update();
}

// The card pictures drawn ahead for the first table, and the card size
// kept for the next start.
struct FirstPictures {
    std::unique_ptr<PictureBatch> ahead;
    CardSizeHint hint;
};

// What the entry begins on helpers before the window exists: the first
// table's pictures and the reading of the games file.
struct ReadAhead {
    ReadAhead(const Engine& engine, FirstPictures first_pictures)
        : pictures(std::move(first_pictures)), games_file(GamesFilePath(engine.params)) {}
    FirstPictures pictures;
    GamesFileAhead games_file;
};

FirstPictures StartFirstPictures(const std::string& data_folder) {
    std::optional<TablePictures> kept = ReadCardSizeHint(data_folder);
    std::unique_ptr<PictureBatch> ahead = kept ? StartPicturesAhead(*kept, data_folder) : nullptr;
    return {std::move(ahead), CardSizeHint(data_folder, std::move(kept))};
}

// The fitted size the table shows and its marks, if it shows a fitted size.
std::optional<TablePictures> TableCardSize(TfrmMain& window) {
    const FittedPictures* fitted = window.View() ? window.View()->Images().Fitted() : nullptr;
    if (!fitted) return std::nullopt;
    return TablePictures{fitted->Key(), fitted->MarkCodes()};
}

// From the window's creation to the end of its message loop.
int RunMainWindow(Engine& engine, EntryServices& services, TfrmSplashForm& splash,
                  std::optional<WaitCursor>& hourglass, const ProgramHooks& hooks, ReadAhead& ahead) {
    MainWindowServices window_services = services.ForWindow();
    window_services.games_file_ahead = &ahead.games_file;
    FirstPictures& first = ahead.pictures;
    TfrmMain window(engine, std::move(window_services));
    ApplyAdvancedFormFont(window);
    WindowAttachment attachment(services, window);
    if (!window.Started() || services.End().requested) return services.End().code;
    if (window.View()) window.View()->OfferPicturesAhead(std::move(first.ahead));
    window.RestorePlacement();
    // The game selection dialog would be created here; until it exists the
    // window's default selection chooses nothing.
    splash.repaint();

    WidgetCursor cursor(window.Table(), window.Cursors());
    PointerWindow hand;
    hand.cursor = &cursor;
    hand.refresh_time = [&window] { window.Timer1Timer(); };
    TablePointer pointer(engine, *window.View(), hand);
    window.SetTableInput(&pointer);

    window.show();
    window.repaint();
    // Shown after the window so the screen is never bare meanwhile.
    splash.Release();
    hourglass.reset();
    QTimer::singleShot(0, &window, [&window, &engine, &hooks, &first] {
        DealStoredGame(window, engine);
        if (const auto size = TableCardSize(window)) first.hint.KeepSoon(*size);
        // Asked for, not left to the desktop: without a window manager
        // nothing would activate it, and its first activation (after the
        // deal, so the game selection opens over a dealt table) does the
        // first-run work.
        window.activateWindow();
        ArmStartupProbe(window.Table());
        if (hooks.running) hooks.running(window, engine);
    });
    const int code = QCoreApplication::exec();
    if (const auto size = TableCardSize(window)) first.hint.KeepNow(*size);
    window.SetTableInput(nullptr);
    services.ShowPendingNotices();
    return services.End().requested ? services.End().code : code;
}

}  // namespace

int RunProgram(const ProgramHooks& hooks) {
    std::optional<WaitCursor> hourglass(std::in_place);
    const std::string folder = hooks.program_folder.empty() ? ProgramFolder() : hooks.program_folder;
    std::unique_ptr<Engine> engine = EngineInit(folder);
    engine->params.SetDataFolder(DataFolderFor(folder, CurrentDataFolderEnvironment()));
    ReadAhead ahead(*engine, StartFirstPictures(engine->params.DataFolder()));
    int code = 0;
    {
        EntryServices services(*engine, folder, hooks);
        TfrmSplashForm splash(&services.SplashLibrary());
        services.SetSplash(&splash);
        ShowSplash(splash);
        PlaySplashSound(engine->params, OpenSettingsFile(engine->params), services.GetSounds());
        code = RunMainWindow(*engine, services, splash, hourglass, hooks, ahead);
        splash.hide();
    }
    // The window has closed (it ended the game, stopped the sound and wrote
    // its settings); now the engine's objects go. The helpers end their
    // pictures while the application that letters them still exists.
    PictureHelpers()->waitForDone();
    EngineDone(engine);
    return code;
}

}  // namespace velmora
