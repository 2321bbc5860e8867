#include "engine/deal/shuffle_tables.h"

#include <array>
#include <string_view>

namespace velmora {

namespace {

// The rows are kept as the program has always written them: three-digit
// numbers at columns 1, 5, 9 ... 29.
constexpr std::array<std::string_view, kStepRows> kSteps = {
    "025 018 013 022 021 020 015 015",  //
    "020 019 012 013 018 018 023 017",  //
    "030 021 019 019 013 022 020 018",  //
    "051 016 014 018 021 021 017 019",  //
    "018 019 019 023 013 016 015 020",  //
    "017 021 014 019 019 016 018 017",  //
    "048 016 013 014 019 020 020 016",  //
    "011 021 021 023 017 018 022 020",  //
    "022 016 013 013 019 017 022 013",  //
    "024 013 020 021 021 014 015 022",  //
};

constexpr std::array<std::string_view, kSuitRows> kSuits = {
    "004 002 003 001 004 002 001 003",  //
    "001 003 002 004 004 003 002 001",  //
    "002 004 003 001 003 004 001 002",  //
    "003 004 002 001 002 003 001 004",  //
    "004 002 003 001 001 003 004 002",  //
    "001 004 002 003 004 001 002 003",  //
    "002 001 003 004 003 001 002 004",  //
    "003 002 001 004 002 004 001 003",  //
    "004 003 001 002 001 002 003 004",  //
    "002 001 004 003 004 002 001 003",  //
    "003 001 004 002 001 002 004 003",  //
    "003 002 004 001 001 004 003 002",  //
    "002 003 004 001 004 001 003 002",  //
};

template <size_t Rows>
int Entry(const std::array<std::string_view, Rows>& table, int row, int i) {
    if (row < 0 || row >= static_cast<int>(Rows) || i < 0 || i >= kRowEntries) return 0;
    const std::string_view text = table[static_cast<size_t>(row)].substr(static_cast<size_t>(i) * 4, 3);
    int value = 0;
    for (char c : text) value = value * 10 + (c - '0');
    return value;
}

}  // namespace

int ShuffleStep(int row, int i) { return Entry(kSteps, row, i); }
int ShuffleSuit(int row, int i) { return Entry(kSuits, row, i); }

}  // namespace velmora
