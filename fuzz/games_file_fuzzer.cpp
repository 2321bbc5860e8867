// GAMES.DAT as the program reads and checks it, then a deal of every game
// the unchecked sections list, as the driver's "new <id> <deal>" deals it.
// Whatever the file holds, reading, checking and dealing must not fall over,
// and no deal may leave a card doubled or garbled.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "card_census.h"
#include "driver.h"
#include "engine/model/games_file_check.h"
#include "engine/model/games_file_rules.h"
#include "fuzz_support.h"

namespace {

// A file may list hundreds of games; the first ones are enough to exercise
// every path of the deal and keep each run short.
constexpr int kMaxGames = 24;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using velmora::fuzz::Check;
    const std::string folder = velmora::fuzz::ScratchFolder().string() + "/";
    const std::string path = folder + "GAMES.DAT";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        Check(static_cast<bool>(out), "cannot write the scratch GAMES.DAT");
    }
    velmora::GamesData checked;
    const velmora::GamesFileResult read = velmora::LoadGamesFile(path, checked);
    Check(read.status == velmora::GamesFileStatus::kRead || read.status == velmora::GamesFileStatus::kDamaged,
          "a GAMES.DAT that exists must read or be found damaged");
    // The engine itself must bear sections the check would refuse.
    velmora::cli::Driver driver(folder, velmora::ParseGamesData(std::string_view(
                                            reinterpret_cast<const char*>(data), size)));
    const velmora::cli::Reply listed = driver.Call("games", {});
    Check(listed.error.empty(), "listing the games failed: " + listed.error);

    int games = 0;
    for (const std::string& line : listed.lines) {
        if (++games > kMaxGames) break;
        const std::string id = line.substr(0, line.find(' '));
        for (const char* deal : {"1", "4294967297"}) {
            driver.Call("new", {id, deal});
            const velmora::cli::CardCensus census = velmora::cli::TakeCensus(driver.engine());
            Check(census.fault.empty(), "game " + id + " deal " + deal + ": " + census.fault);
            driver.Call("moves", {});
        }
        // What the game selection dialog reads of a game, lines in and out of range.
        velmora::ReadRuleValues(driver.engine().main_game, driver.games(), std::stoi(id),
                                {-1, 0, 18, 307, 400, 401});
    }
    return 0;
}
