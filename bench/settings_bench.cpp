// How long loading the preferences takes with a settings file that has grown
// large (a few megabytes of sections the program does not know).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/model/engine.h"
#include "storage/preferences.h"
#include "storage/settings_view.h"

namespace {

namespace fs = std::filesystem;

// A program folder whose DATA/CFG.DAT holds the usual keys after `megabytes`
// of foreign sections, so every key is found only at the end.
fs::path MakeFolder(int megabytes) {
    std::string pattern = (fs::temp_directory_path() / "velmora-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return {};
    const fs::path folder(pattern);
    fs::create_directories(folder / "DATA");
    std::ofstream out(folder / "DATA" / "CFG.DAT", std::ios::binary);
    const std::string filler = "k=" + std::string(60, 'f') + "\r\n";
    size_t written = 0;
    for (int section = 0; written < static_cast<size_t>(megabytes) << 20; ++section) {
        out << "[Foreign" << section << "]\r\n";
        for (int i = 0; i < 16; ++i) out << filler;
        written += 16 * filler.size() + 16;
    }
    out << "[Preference]\r\nGame=3\r\nCard_Size=M\r\n[Users]\r\nUser_Default=Player\r\n";
    return folder;
}

void LoadLargeSettings(benchmark::State& state) {
    const fs::path folder = MakeFolder(static_cast<int>(state.range(0)));
    velmora::QuietSettingsView view;
    for (auto _ : state) {
        auto engine = velmora::EngineInit(folder.string() + "/");
        velmora::LoadPreferences(*engine, view);
        benchmark::DoNotOptimize(engine.get());
    }
    fs::remove_all(folder);
}
BENCHMARK(LoadLargeSettings)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
