// The engine's start-up proper, run once while the main window is created:
// the resource library, the menus of this edition, the cursors, the
// settings, the card table and the game catalogue, and some tidying of the
// program folder.
#include <QAction>

#include <chrono>

#include "engine/layout/pile_layout.h"
#include "engine/model/games_file_ahead.h"
#include "engine/model/games_file_check.h"
#include "platform/files.h"
#include "storage/preference_keys.h"
#include "storage/preferences.h"
#include "storage/program_housekeeping.h"
#include "storage/statistics_files.h"
#include "text/fixed_text.h"
#include "ui/main/main_window.h"

namespace velmora {

namespace {

constexpr int kShadowOffset = 9;
constexpr int kCardSizeStateAtStart = 2;

}  // namespace

bool TfrmMain::LoadResourceLibrary(const std::string& path) {
    ResourceLibrary* ready = services_.loaded_library;
    if (ready && ready->IsLoaded() && ready->LoadedFrom() == path) {
        library_ = std::move(*ready);
        ready->Unload();
        return true;
    }
    return library_.Load(path);
}

bool TfrmMain::EngineStart() {
    const std::string folder = engine_.params.ParamRead(param::kProgramFolder, 200);
    const std::string library_path = FindPath(folder, "QOR.RGF", EntryKind::File);
    if (!LoadResourceLibrary(library_path)) {
        // The path as it is on disk, so the player can find the file.
        host_->FatalError("Can't find/load " + library_path);
        return false;
    }
    LoadToolbarGlyphs();
    PrepareMenusForEdition();
    cursors_.Load(library_);
    engine_.flags.Reset();
    help_file_ = folder + "tabloria.hlp>proc";
    const std::string& data_folder = engine_.params.DataFolder();
    CreateFolder(FindPath(data_folder, "DATA", EntryKind::Folder));
    // The command starts unticked; a stored "AutoPlay" ticks it as the
    // player would.
    engine_.play.autoplay_checked = false;
    LoadPreferences(engine_, *this);
    engine_.main_game.SetField(field::kCardSizeState, kCardSizeStateAtStart);
    engine_.geometry.shadow_offset =
        engine_.params.ParamRead(param::kCardsShadowed, 1) != "N" ? kShadowOffset : 0;
    PrepareTable(engine_);
    if (!ReadCatalogue()) return false;
    CheckStoredGame();
    CardSizeForLetter(CardSizeLetter(engine_), engine_.geometry.card);
    EnableUndoCommands(engine_.params.ParamRead(key::kUndoEnabled.position, 1) != "2");
    engine_.random.seed(
        static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    WriteVersionMarker(data_folder);
    RemoveObsoleteFiles(folder);
    RemoveStaleScoreUpgrades(engine_.params);
    for (int f : {field::kNotice640, field::kNotice800, field::kDealCounterB})
        engine_.main_game.SetField(f, 0);
    engine_.main_game.SetField(field::kJokerIndicator, -1);
    return true;
}

// A file that is there but unreadable or damaged ends the start-up as a
// missing one does, with a box that says which it is.
bool TfrmMain::ReadCatalogue() {
    const std::string games_path = GamesFilePath(engine_.params);
    const GamesFileResult read = services_.games_file_ahead ? services_.games_file_ahead->Take(games_path, games_)
                                                            : LoadGamesFile(games_path, games_);
    switch (read.status) {
        case GamesFileStatus::kRead: break;
        case GamesFileStatus::kMissing: host_->FatalMissingFile(games_path); return false;
        case GamesFileStatus::kUnreadable: host_->FatalUnreadableFile(games_path); return false;
        case GamesFileStatus::kDamaged:
            host_->FatalDamagedFile(games_path, DescribeGamesFault(read.check));
            return false;
    }
    LoadCatalogue(engine_, games_);
    ReadCustomGames();
    return true;
}

void TfrmMain::CheckStoredGame() {
    int64_t id = -1;
    if (!ParseInt(engine_.params.ParamRead(param::kGameId, 4), id) || id < 0) return;
    if (CatalogueIndex(engine_.main_game, static_cast<int>(id)) >= 0) return;
    if (FindCustomGame(games_, static_cast<int>(id))) return;
    // A game the catalogue no longer holds is forgotten; the player chooses anew.
    engine_.params.ParamWrite(param::kGameId, 4, "-1");
    engine_.params.ParamWrite(param::kGameName, 50, "");
}

}  // namespace velmora
