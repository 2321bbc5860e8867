#pragma once
// The shipped game definitions with rules entries set to values no game of
// the catalogue uses, for every game at once, as a damaged or hand-edited
// GAMES.DAT could carry them.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/model/games_file.h"
#include "engine/model/games_file_format.h"
#include "text/fixed_text.h"
#include "text/sections.h"

namespace velmora::cli {

// Rules entry, value.
using RulesRow = std::vector<std::pair<int, int>>;

inline std::string DescribeRow(const RulesRow& row) {
    std::string text;
    for (const auto& [entry, value] : row)
        text += (text.empty() ? "R[" : ", R[") + std::to_string(entry) + "] = " + std::to_string(value);
    return text;
}

inline GamesData ShippedGamesWith(const RulesRow& row) {
    namespace gf = games_format;
    GamesData games;
    EXPECT_TRUE(ReadGamesFile(VELMORA_PROGRAM_DIR "GAMES.DAT", games)) << "build the games data first";
    for (const auto& [entry, value] : row) {
        const std::string stored = ShiftText(PadRight(std::to_string(value), gf::kValueWidth));
        for (std::string& line : games.rules) {
            int64_t n = -1;
            const std::string number = TrimLeftSpaces(TrimRightSpaces(Columns(line, gf::kEntryColumn, gf::kEntryWidth)));
            if (!ParseInt(number, n) || n != entry) continue;
            for (size_t at = gf::kFirstValueColumn - 1; at + gf::kValueWidth <= line.size(); at += gf::kValueStride)
                line.replace(at, gf::kValueWidth, stored);
        }
    }
    return games;
}

}  // namespace velmora::cli
