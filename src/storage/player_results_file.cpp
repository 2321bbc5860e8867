#include "storage/player_results_file.h"

#include <cstdint>
#include <cstdio>

#include "platform/durable_files.h"
#include "platform/files.h"
#include "storage/sealed_lines.h"
#include "text/fixed_text.h"
#include "text/whole_file.h"

namespace velmora {

namespace {

constexpr std::string_view kFirstLine = "Velmora player results";
constexpr std::string_view kVersionLine = "version 1";
constexpr std::string_view kRecordName = "ended";
// A lifetime of games (over a million) fits many times over.
constexpr size_t kLargestFile = 64u << 20;
constexpr size_t kRecordFields = 7;

std::string RecordText(const GameRecord& r) {
    return std::to_string(r.game) + ' ' + r.deal_number + ' ' + std::string(ResultName(r.result)) + ' ' +
           std::to_string(r.score) + ' ' + std::to_string(r.seconds) + ' ' + std::to_string(r.moves) + ' ' +
           CompactDateTime(r.when);
}

// A name is one line of the file, whatever the record held.
std::string OneLine(std::string name) {
    for (char& c : name)
        if (c == '\n' || c == '\r') c = ' ';
    return name;
}

std::vector<std::string_view> Fields(std::string_view text) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (fields.size() <= kRecordFields) {
        const size_t space = text.find(' ', start);
        fields.push_back(text.substr(start, space == std::string_view::npos ? space : space - start));
        if (space == std::string_view::npos) break;
        start = space + 1;
    }
    return fields;
}

// Only the number's own spelling: "07", "+7", "-0" and "" are refused.
bool PlainNumber(std::string_view text, int& out) {
    int64_t value = 0;
    if (!ParseInt(text, value) || std::to_string(value) != text || value < INT32_MIN || value > INT32_MAX)
        return false;
    out = static_cast<int>(value);
    return true;
}

bool ParseRecord(std::string_view text, GameRecord& r) {
    const std::vector<std::string_view> f = Fields(text);
    if (f.size() != kRecordFields) return false;
    const std::optional<GameResult> result = ResultFromName(f[2]);
    const std::optional<DateTime> when = ParseCompactDateTime(f[6]);
    if (!PlainNumber(f[0], r.game) || !result || !PlainNumber(f[3], r.score) || !PlainNumber(f[4], r.seconds) ||
        !PlainNumber(f[5], r.moves) || !when)
        return false;
    r.deal_number = std::string(f[1]);
    r.result = *result;
    r.when = *when;
    return IsValidRecord(r);
}

bool ParseBody(std::string_view body, PlayerResults& results) {
    LineReader in(body);
    std::string_view name;
    int count = 0;
    if (!in.Exact(kFirstLine) || !in.Exact(kVersionLine) || !in.Value("player", name) ||
        name.front() != kLineMark || !in.Number("games", count) || count < 0 ||
        static_cast<size_t>(count) != in.Left())
        return false;
    results.player = std::string(name.substr(1));
    results.records.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        std::string_view line;
        GameRecord record;
        if (!in.Value(kRecordName, line) || !ParseRecord(line, record)) return false;
        results.records.push_back(std::move(record));
    }
    return in.AtEnd();
}

}  // namespace

std::string PlayerResultsPath(const ParamRecord& params, int index) {
    char name[32];
    std::snprintf(name, sizeof name, "DATA\\Stat_e%02d.dat", index);
    return FindPath(params.DataFolder(), name, EntryKind::File);
}

std::string FormatPlayerResults(const PlayerResults& results) {
    LineWriter out;
    out.Word(kFirstLine);
    out.Word(kVersionLine);
    out.Item("player", std::string(1, kLineMark) + OneLine(results.player));
    out.Item("games", static_cast<int>(results.records.size()));
    for (const GameRecord& r : results.records) out.Item(kRecordName, RecordText(r));
    return out.Finish();
}

bool ParsePlayerResults(std::string_view text, PlayerResults& results, std::string& why) {
    results = PlayerResults{};
    LineReader header(text);
    if (!header.Exact(kFirstLine)) {
        why = "it is not a file of player results";
        return false;
    }
    if (!header.Exact(kVersionLine)) {
        why = "it was written by another version of the program";
        return false;
    }
    std::string_view body;
    if (!UnsealLines(text, body)) {
        why = "it is damaged or cut short";
        return false;
    }
    if (!ParseBody(body, results)) {
        results = PlayerResults{};
        why = "its contents are malformed";
        return false;
    }
    return true;
}

PlayerResultsRead ReadPlayerResults(const std::string& path, PlayerResults& results, std::string& why) {
    results = PlayerResults{};
    std::string text;
    switch (ReadRegularFileUpTo(path, kLargestFile, text)) {
        case FileRead::kMissing: return PlayerResultsRead::kNone;
        case FileRead::kTooLarge: why = "it is far too large"; return PlayerResultsRead::kUnreadable;
        case FileRead::kUnreadable: why = "it cannot be read"; return PlayerResultsRead::kUnreadable;
        case FileRead::kRead: break;
    }
    // An empty file holds no games yet (it may have been made only to mark
    // that the program was used); it is nothing to set aside.
    if (text.empty()) return PlayerResultsRead::kNone;
    return ParsePlayerResults(text, results, why) ? PlayerResultsRead::kRead : PlayerResultsRead::kUnreadable;
}

bool WritePlayerResults(const std::string& path, const PlayerResults& results) {
    return ReplaceFileContents(path, FormatPlayerResults(results));
}

}  // namespace velmora
