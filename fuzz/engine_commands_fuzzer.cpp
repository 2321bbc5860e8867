// The engine driven by the headless driver's commands, on game definitions
// whose rules values the input may make hostile. After every command the
// table must still hold exactly the cards of the last deal, each on one pile
// with a face state of '0' or '1'; a lost, doubled or garbled card aborts.
//
// The input is text, one line each:
//   # ...                  a comment, skipped
//   rule <entry> <value>   before the first command only: rules entry
//                          <entry> of every game becomes <value> (any whole
//                          number of up to 10 characters, cut to 16 bits
//                          when a game is loaded, as GAMES.DAT values are)
//   anything else          a driver command ("new 1 1", "press Mazzo" ...)
#include <cstddef>
#include <cstdint>
#include <memory>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "card_census.h"
#include "driver.h"
#include "engine/model/games_file.h"
#include "engine/model/games_file_format.h"
#include "fuzz_support.h"
#include "text/fixed_text.h"
#include "text/sections.h"

namespace {

using velmora::GamesData;
using velmora::cli::CardCensus;
namespace gf = velmora::games_format;

// Enough to reach deep positions, few enough to keep each run short.
constexpr size_t kMaxCommands = 300;

const GamesData& ShippedGames() {
    static const GamesData games = [] {
        GamesData read;
        if (!velmora::ReadGamesFile(VELMORA_PROGRAM_DIR "GAMES.DAT", read))
            velmora::fuzz::Fail("cannot read " VELMORA_PROGRAM_DIR
                                "GAMES.DAT (build the games data first)");
        return read;
    }();
    return games;
}

// Stores `value` for every game in the rules line of `entry`.
void OverrideRule(GamesData& games, int64_t entry, const std::string& value) {
    const std::string stored = velmora::ShiftText(velmora::PadRight(value, gf::kValueWidth));
    for (std::string& line : games.rules) {
        int64_t n = -1;
        const std::string number = velmora::Columns(line, gf::kEntryColumn, gf::kEntryWidth);
        if (!velmora::ParseInt(velmora::TrimLeftSpaces(velmora::TrimRightSpaces(number)), n) ||
            n != entry)
            continue;
        for (size_t at = gf::kFirstValueColumn - 1; at + gf::kValueWidth <= line.size();
             at += gf::kValueStride)
            line.replace(at, gf::kValueWidth, stored);
    }
}

// True for a "rule <entry> <value>" line, which is applied when both are
// whole numbers; false for any other line.
bool ReadRuleLine(const std::vector<std::string>& words, GamesData& games) {
    if (words.size() != 3 || words[0] != "rule") return false;
    int64_t entry = 0;
    int64_t value = 0;
    if (velmora::ParseInt(words[1], entry) && velmora::ParseInt(words[2], value) &&
        words[2].size() <= static_cast<size_t>(gf::kValueWidth))
        OverrideRule(games, entry, words[2]);
    return true;
}

// The driver's answers are not needed; the census checks the play.
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

[[noreturn]] void Lost(const std::vector<std::string>& played, const std::string& fault) {
    std::string report = fault + "\nafter the commands:";
    for (const std::string& line : played) report += "\n  " + line;
    velmora::fuzz::Fail(report);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
    GamesData games = ShippedGames();
    std::unique_ptr<velmora::cli::Driver> driver;
    NullBuffer null_buffer;
    std::ostream answers(&null_buffer);
    CardCensus dealt;
    std::vector<std::string> played;
    for (std::string line; played.size() < kMaxCommands && std::getline(input, line);) {
        if (line.starts_with('#')) continue;
        const std::vector<std::string> words = velmora::cli::SplitWords(line);
        if (!driver) {
            if (ReadRuleLine(words, games)) {
                played.push_back(line);
                continue;
            }
            driver = std::make_unique<velmora::cli::Driver>(
                velmora::fuzz::ScratchFolder().string() + "/", games);
            dealt = velmora::cli::TakeCensus(driver->engine());
        }
        played.push_back(line);
        const bool go_on = driver->Execute(line, answers);
        const CardCensus now = velmora::cli::TakeCensus(driver->engine());
        if (!words.empty() && words[0] == "new") {
            // Whatever a deal did (even a refused one) is the new reference.
            if (!now.fault.empty()) Lost(played, now.fault);
            dealt = now;
        } else if (const std::string fault = velmora::cli::CompareCensus(dealt, now);
                   !fault.empty()) {
            Lost(played, fault);
        }
        if (!go_on) break;
    }
    return 0;
}
