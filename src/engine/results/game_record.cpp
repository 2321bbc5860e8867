#include "engine/results/game_record.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace velmora {

namespace {

constexpr std::array<std::pair<GameResult, std::string_view>, 4> kNames{{
    {GameResult::kWon, "won"},
    {GameResult::kLost, "lost"},
    {GameResult::kQuit, "quit"},
    {GameResult::kAbandoned, "abandoned"},
}};

constexpr int kCompactLength = 14;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<size_t>(month - 1)];
}

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Digits(std::string_view text, size_t from, size_t count) {
    int value = 0;
    for (size_t i = from; i < from + count; ++i) value = value * 10 + (text[i] - '0');
    return value;
}

}  // namespace

std::string_view ResultName(GameResult result) {
    for (const auto& [value, name] : kNames)
        if (value == result) return name;
    return "abandoned";
}

std::optional<GameResult> ResultFromName(std::string_view name) {
    for (const auto& [value, known] : kNames)
        if (known == name) return value;
    return std::nullopt;
}

bool IsValidDateTime(const DateTime& when) {
    return when.year >= 1 && when.year <= 9999 && when.month >= 1 && when.month <= 12 && when.day >= 1 &&
           when.day <= DaysInMonth(when.year, when.month) && when.hour >= 0 && when.hour <= 23 &&
           when.minute >= 0 && when.minute <= 59 && when.second >= 0 && when.second <= 59;
}

std::string CompactDateTime(const DateTime& when) {
    if (!IsValidDateTime(when)) return {};
    char text[kCompactLength + 1];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", when.year, when.month, when.day, when.hour,
                  when.minute, when.second);
    return text;
}

std::optional<DateTime> ParseCompactDateTime(std::string_view text) {
    if (text.size() != kCompactLength || !AllDigits(text)) return std::nullopt;
    const DateTime when{Digits(text, 0, 4), Digits(text, 4, 2),  Digits(text, 6, 2),
                        Digits(text, 8, 2), Digits(text, 10, 2), Digits(text, 12, 2)};
    if (!IsValidDateTime(when)) return std::nullopt;
    return when;
}

bool IsValidRecord(const GameRecord& r) {
    return r.game >= 0 && r.game <= kLastGameId && !r.deal_number.empty() && r.deal_number.size() <= 13 &&
           AllDigits(r.deal_number) && r.score >= kLowestScore && r.score <= kHighestScore && r.seconds >= 0 &&
           r.seconds <= kLongestGameSeconds && r.moves >= 0 && r.moves <= kMostMoves && IsValidDateTime(r.when);
}

}  // namespace velmora
