#include "storage/score_table.h"

#include <algorithm>
#include <cstdio>
#include <functional>

#include "platform/durable_files.h"
#include "platform/files.h"
#include "storage/statistics_files.h"
#include "text/fixed_text.h"
#include "text/sections.h"
#include "text/whole_file.h"

namespace velmora {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kLineMark = " x";
constexpr size_t kLargestScoreFile = 16u << 20;

// Column ranges, 0-based start and width.
struct Span {
    size_t at;
    size_t width;
};
constexpr Span kGame{1, 4};
constexpr Span kDeal{5, 13};
constexpr Span kScore{18, 7};
constexpr Span kSeconds{25, 5};
constexpr Span kMoves{30, 5};
constexpr Span kWhen{35, 14};
constexpr Span kName{49, 30};
constexpr Span kSpare{79, 10};

std::string_view Cut(std::string_view line, Span span) { return line.substr(span.at, span.width); }

bool Digits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool Number(std::string_view text, int& out) {
    int64_t value = 0;
    if (!ParseInt(text, value) || value < INT32_MIN || value > INT32_MAX) return false;
    out = static_cast<int>(value);
    return true;
}

std::string_view WithoutLeadingSpaces(std::string_view text) {
    const size_t start = text.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

std::string WithoutTrailingSpaces(std::string_view text) {
    const size_t end = text.find_last_not_of(' ');
    return std::string(end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1));
}

std::string Header() {
    return "[Version]" + std::string(kLineEnd) + "Version=" + std::string(kScoreFileVersion) +
           std::string(kLineEnd) + std::string(kLineEnd);
}

bool IsCurrent(const std::string& path) {
    std::vector<std::string> values;
    ReadTextSection(path, "Version", {"Version"}, {"0000"}, values);
    return values.front() >= kScoreFileVersion;
}

std::string ScoreFilePath(const ParamRecord& params) {
    return FindPath(params.DataFolder(), kScoreFileName, EntryKind::File);
}

}  // namespace

std::string FormatScoreLine(const ScoreEntry& entry) {
    const GameRecord& r = entry.record;
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "0%04d%-13s%7d%05d%05d", r.game, r.deal_number.c_str(), r.score,
                  r.seconds, r.moves);
    std::string line = std::string(numbers) + CompactDateTime(r.when) +
                       PadRight(entry.player.substr(0, kScoreNameWidth), kScoreNameWidth);
    return PadRight(line, kScoreLineWidth) + std::string(kLineMark);
}

std::optional<ScoreEntry> ParseScoreLine(std::string_view line) {
    if (line.size() != kScoreLineWidth + kLineMark.size() || !line.ends_with(kLineMark) || line[0] != '0' ||
        Cut(line, kSpare) != std::string_view("          "))
        return std::nullopt;
    ScoreEntry entry;
    GameRecord& r = entry.record;
    const std::optional<DateTime> when = ParseCompactDateTime(Cut(line, kWhen));
    if (!Digits(Cut(line, kGame)) || !Digits(Cut(line, kSeconds)) || !Digits(Cut(line, kMoves)) || !when ||
        !Number(Cut(line, kGame), r.game) || !Number(WithoutLeadingSpaces(Cut(line, kScore)), r.score) ||
        !Number(Cut(line, kSeconds), r.seconds) || !Number(Cut(line, kMoves), r.moves))
        return std::nullopt;
    r.deal_number = WithoutTrailingSpaces(Cut(line, kDeal));
    r.result = GameResult::kWon;
    r.when = *when;
    entry.player = WithoutTrailingSpaces(Cut(line, kName));
    if (!IsValidRecord(r) || FormatScoreLine(entry) != line) return std::nullopt;
    return entry;
}

std::vector<ScoreEntry> ScoreEntriesOf(std::string_view contents) {
    std::vector<ScoreEntry> entries;
    for (const std::string& line : SplitLines(contents))
        if (auto entry = ParseScoreLine(line)) entries.push_back(std::move(*entry));
    return entries;
}

std::string WithScoreEntry(std::string_view contents, const ScoreEntry& entry) {
    std::vector<std::string> lines = contents.empty() ? SplitLines(Header()) : SplitLines(contents);
    std::vector<ScoreEntry> own{entry};
    std::vector<std::string> others;
    size_t place = std::string::npos;
    for (std::string& line : lines) {
        const std::optional<ScoreEntry> read = ParseScoreLine(line);
        if (read && read->record.game == entry.record.game) {
            if (place == std::string::npos) place = others.size();
            own.push_back(*read);
        } else {
            others.push_back(std::move(line));
        }
    }
    // The new entry goes last among equals, so it never pushes out an older equal one.
    std::rotate(own.begin(), own.begin() + 1, own.end());
    std::stable_sort(own.begin(), own.end(), RanksAbove);
    if (own.size() > kScoresKept) own.resize(kScoresKept);
    std::vector<std::string> game_lines;
    for (const ScoreEntry& e : own) game_lines.push_back(FormatScoreLine(e));
    if (place == std::string::npos) place = others.size();
    others.insert(others.begin() + static_cast<std::ptrdiff_t>(place), game_lines.begin(), game_lines.end());
    std::string out;
    for (const std::string& line : others) out += line + std::string(kLineEnd);
    return out;
}

ScoreTableWrite AddToScoreTable(const ParamRecord& params, const ScoreEntry& entry) {
    const std::string path = ScoreFilePath(params);
    std::string contents;
    const FileRead read = ReadRegularFileUpTo(path, kLargestScoreFile, contents);
    if (read == FileRead::kRead && !IsCurrent(path)) return ScoreTableWrite::kNotCurrent;
    if (read != FileRead::kRead && read != FileRead::kMissing) return ScoreTableWrite::kFailed;
    return ReplaceFileContents(path, WithScoreEntry(contents, entry)) ? ScoreTableWrite::kWritten
                                                                      : ScoreTableWrite::kFailed;
}

namespace {

// The file's text with each score line of `player` (of `game` only, when
// given) dropped, or given the name `renamed`; other lines as they were.
std::string WithScoresOf(std::string_view contents, std::string_view player, std::optional<int> game,
                         const std::optional<std::string>& renamed) {
    const std::string name = WithoutTrailingSpaces(player.substr(0, kScoreNameWidth));
    std::string out;
    for (const std::string& line : SplitLines(contents)) {
        std::optional<ScoreEntry> entry = ParseScoreLine(line);
        if (entry && entry->player == name && (!game || entry->record.game == *game)) {
            if (!renamed) continue;
            entry->player = WithoutTrailingSpaces(renamed->substr(0, kScoreNameWidth));
            out += FormatScoreLine(*entry) + std::string(kLineEnd);
            continue;
        }
        out += line + std::string(kLineEnd);
    }
    return out;
}

// Replaces the score file by `change` of its text; a missing or older file
// has nothing to change, an unreadable one is refused.
bool ChangeScoreTable(const ParamRecord& params, const std::function<std::string(std::string_view)>& change) {
    const std::string path = ScoreFilePath(params);
    std::string contents;
    const FileRead read = ReadRegularFileUpTo(path, kLargestScoreFile, contents);
    if (read == FileRead::kMissing) return true;
    if (read != FileRead::kRead) return false;
    if (!IsCurrent(path)) return true;
    const std::string changed = change(contents);
    return changed == contents || ReplaceFileContents(path, changed);
}

}  // namespace

std::string WithoutScoresOf(std::string_view contents, std::string_view player, std::optional<int> game) {
    return WithScoresOf(contents, player, game, std::nullopt);
}

bool RemoveFromScoreTable(const ParamRecord& params, std::string_view player, std::optional<int> game) {
    return ChangeScoreTable(params, [&](std::string_view contents) {
        const std::string kept = WithoutScoresOf(contents, player, game);
        return ScoreEntriesOf(kept).size() == ScoreEntriesOf(contents).size() ? std::string(contents) : kept;
    });
}

std::string WithScoresRenamed(std::string_view contents, std::string_view from, std::string_view to) {
    return WithScoresOf(contents, from, std::nullopt, std::string(to));
}

bool RenameInScoreTable(const ParamRecord& params, std::string_view from, std::string_view to) {
    return ChangeScoreTable(params, [&](std::string_view contents) { return WithScoresRenamed(contents, from, to); });
}

std::vector<ScoreEntry> ReadScoreTable(const ParamRecord& params) {
    std::string contents;
    if (ReadRegularFileUpTo(ScoreFilePath(params), kLargestScoreFile, contents) != FileRead::kRead) return {};
    return ScoreEntriesOf(contents);
}

}  // namespace velmora
