// Loading the settings file at start-up, then the writers that change it,
// on any file: the file is found whatever the case of its name, every writer
// that reports success reads back, and loading what was written twice in a
// row gives the same parameter record both times.
//
// The input is the settings file's contents up to the first NUL byte, then
// up to ten writer calls, each an operation byte and its operands.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "engine/model/engine.h"
#include "fuzz_support.h"
#include "storage/game_autoplay.h"
#include "storage/players.h"
#include "storage/preference_keys.h"
#include "storage/preferences.h"
#include "storage/settings_file.h"
#include "storage/settings_view.h"
#include "storage/settings_writers.h"
#include "storage/window_placement.h"

namespace {

namespace fs = std::filesystem;
using velmora::fuzz::Check;
using velmora::fuzz::InputBytes;
namespace key = velmora::key;

constexpr int kMaxWrites = 10;
constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The three blocks of the record a start-up leaves.
std::string LoadedRecord(const std::string& folder) {
    auto engine = velmora::EngineInit(folder);
    velmora::QuietSettingsView view;
    velmora::LoadPreferences(*engine, view);
    std::string record;
    for (int block = 0; block < 3; ++block) record += engine->params.Block(block);
    return record;
}

void WriteChoice(velmora::SettingsFile& file, InputBytes& input) {
    const int game = input.Number<int16_t>();
    const std::string name = input.Field();
    const int tree = input.Number<int16_t>();
    const bool preview = input.Flag();
    if (!velmora::WriteGameChoice(file, game, name, tree, preview)) return;
    Check(file.ReadInt(key::kGame) == game, "the chosen game reads back");
    Check(file.Read(key::kGameName) == TrimBlanks(name), "the chosen game's name reads back");
    Check(file.ReadInt(key::kGameTreeNum) == tree, "the tree category reads back");
    Check(file.IsYes(key::kOpenPreviewGame) == preview, "the preview switch reads back");
}

void WritePlacement(velmora::SettingsFile& file, InputBytes& input) {
    velmora::WindowPlacement placement;
    placement.left = input.Number<int16_t>();
    placement.top = input.Number<int16_t>();
    placement.width = input.Number<int16_t>();
    placement.height = input.Number<int16_t>();
    placement.maximized = input.Flag();
    if (!velmora::WriteWindowPlacement(file, placement)) return;
    const velmora::WindowPlacement read =
        velmora::ReadWindowPlacement(file, kScreenWidth, kScreenHeight);
    Check(read.maximized == placement.maximized, "the maximised state reads back");
    if (placement.maximized || placement.width < 1 || placement.height < 1) return;
    Check(read.left == placement.left && read.top == placement.top &&
              read.width == placement.width && read.height == placement.height,
          "the window's bounds read back");
}

void WriteOne(velmora::Engine& engine, velmora::SettingsFile& file, InputBytes& input) {
    switch (input.Byte() % 7) {
        case 0:
            WriteChoice(file, input);
            break;
        case 1: {
            const std::string message = input.Field();
            if (velmora::SilenceAdvice(file, message))
                Check(velmora::AdviceSilenced(file, message), "a silenced advice stays silent");
            break;
        }
        case 2: {
            const int game = input.Number<int16_t>() % 9000;
            const bool on = input.Flag();
            if (velmora::WriteGameAutoplay(file, game, on))
                Check(velmora::GameAutoplayOn(file, game) == on,
                      "a game's autoplay switch reads back");
            break;
        }
        case 3:
            WritePlacement(file, input);
            break;
        case 4:
            velmora::SetCurrentPlayer(engine.params, file, input.Field());
            break;
        case 5: {
            engine.main_game.SetField(velmora::field::kAutoplayAllGames, input.Byte() % 4);
            const int random_type = input.Number<int16_t>();
            engine.main_game.SetField(velmora::field::kRandomGameType, random_type);
            if (velmora::WriteClosingSettings(file, engine.main_game, input.Flag()))
                Check(file.ReadInt(key::kRandomGameType) == random_type,
                      "the random game type reads back");
            break;
        }
        case 6:
            engine.params.ParamWrite(velmora::kCurrentPlayer, velmora::kCurrentPlayerLength, "");
            velmora::EnsureDefaultPlayers(engine.params, file);
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fs::path program = velmora::fuzz::ScratchFolder() / "program";
    fs::remove_all(program);
    // The program's files were named without regard to case: any spelling
    // on disk must be found.
    static const char* const kSpellings[] = {"DATA/CFG.DAT", "data/cfg.dat", "Data/Cfg.dat"};
    const fs::path settings = program / kSpellings[size % 3];
    fs::create_directories(settings.parent_path());
    InputBytes input(data, size);
    {
        std::ofstream out(settings, std::ios::binary);
        out << input.Field();
        Check(static_cast<bool>(out), "cannot write the scratch settings file");
    }
    const std::string folder = program.string() + "/";

    auto engine = velmora::EngineInit(folder);
    velmora::QuietSettingsView view;
    velmora::LoadPreferences(*engine, view);
    velmora::SettingsFile file = velmora::OpenSettingsFile(engine->params);
    std::error_code error;
    Check(fs::equivalent(file.Path(), settings, error),
          "the settings file is found as it is spelt on disk: " + file.Path());
    for (int n = 0; n < kMaxWrites && !input.Empty(); ++n) WriteOne(*engine, file, input);

    const std::string first = LoadedRecord(folder);
    Check(LoadedRecord(folder) == first, "loading the same settings twice gives two records");
    return 0;
}
