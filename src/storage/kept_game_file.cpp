#include "storage/kept_game_file.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <utility>
#include <vector>

#include "engine/model/pile_lists.h"
#include "engine/play/move_log.h"
#include "platform/durable_files.h"
#include "platform/files.h"
#include "platform/temporary_files.h"
#include "storage/sealed_lines.h"
#include "text/fixed_text.h"
#include "text/whole_file.h"

namespace velmora {

namespace {

constexpr const char* kKeptFirstLine = "Velmora kept game";
constexpr const char* kSavedFirstLine = "Velmora saved game";
constexpr const char* kVersionLine = "version 2";
// Version 1 lacked the deal's own steps; such a file is still read.
constexpr std::string_view kFirstVersion = "1";
constexpr std::string_view kVersion = "2";
// Far beyond any real game (a few thousand steps), small enough to read.
constexpr size_t kLargestFile = 64u << 20;

const char* FirstLine(GameFileKind kind) {
    return kind == GameFileKind::kSaved ? kSavedFirstLine : kKeptFirstLine;
}

void WriteSide(LineWriter& out, std::string_view name, const MoveLogSide& side) {
    out.Item(name, side.Steps());
    out.Item("notes", std::string(1, kLineMark) + side.annotations);
    std::vector<std::string> lines;
    for (int k = 0; StepLines(side, k, lines); ++k)
        for (const std::string& line : lines) out.Marked(line);
}

std::string ShiftsText(const DisplacementTable& table) {
    std::string text;
    for (const auto& row : table)
        for (int shift : row) text += (text.empty() ? "" : " ") + std::to_string(shift);
    return text;
}

bool ReadMarkedLines(LineReader& in, int count, std::vector<std::string>& out) {
    for (int i = 0; i < count; ++i) {
        std::string line;
        if (!in.Marked(line)) return false;
        out.push_back(std::move(line));
    }
    return true;
}

bool ReadSide(LineReader& in, std::string_view name, MoveLogSide& side) {
    int steps = 0;
    std::string_view notes;
    if (!in.Number(name, steps) || steps < 0 || !in.Value("notes", notes) || notes.empty() ||
        notes.front() != kLineMark)
        return false;
    // The count is believed only as far as the file has lines for it.
    if (static_cast<size_t>(steps) > in.Left() / kAllPiles) return false;
    for (int k = 0; k < steps; ++k) {
        std::vector<std::string> lines;
        if (!ReadMarkedLines(in, kAllPiles, lines)) return false;
        AppendStep(side, lines, "");
    }
    // The annotations as written; the engine checks that they fit the steps.
    side.annotations = std::string(notes.substr(1));
    return true;
}

bool ReadShifts(LineReader& in, DisplacementTable& table) {
    std::string_view value;
    if (!in.Value("shifts", value)) return false;
    std::vector<int> shifts;
    for (size_t start = 0; start <= value.size();) {
        const size_t space = std::min(value.find(' ', start), value.size());
        int64_t parsed = 0;
        if (!ParseInt(value.substr(start, space - start), parsed) || parsed < -99 || parsed > 99) return false;
        shifts.push_back(static_cast<int>(parsed));
        start = space + 1;
    }
    if (shifts.size() != table.size() * table[0].size()) return false;
    auto next = shifts.begin();
    for (auto& row : table)
        for (int& shift : row) shift = *next++;
    return true;
}

bool ReadCounters(LineReader& in, KeptCounters& c, bool first_version) {
    int no_refill = 0;
    if (!in.Number("passes", c.passes) || !in.Number("moves", c.moves) || !in.Number("deal_a", c.deal_a) ||
        !in.Number("deal_b", c.deal_b) || !in.Number("score_counter", c.score_counter) ||
        !in.Number("stock_deals", c.stock_deals) || !in.Number("no_refill", no_refill) ||
        (no_refill != 0 && no_refill != 1))
        return false;
    c.no_refill = no_refill == 1;
    c.deal_steps = -1;
    return first_version || (in.Number("deal_steps", c.deal_steps) && c.deal_steps >= -1);
}

bool ReadBody(LineReader& in, KeptGame& kept, bool first_version) {
    std::string_view deal;
    std::string_view score;
    if (!in.Number("game", kept.game) || !in.Value("deal", deal) || !in.Number("clock", kept.seconds) ||
        !in.Value("score", score) || !ReadCounters(in, kept.counters, first_version) || !ReadShifts(in, kept.displacement) ||
        !in.Exact("position") || !ReadMarkedLines(in, kAllPiles, kept.position) ||
        !ReadSide(in, "undo", kept.undo) || !ReadSide(in, "redo", kept.redo))
        return false;
    kept.deal_number = std::string(deal);
    kept.score = std::string(score);
    return in.AtEnd();
}

}  // namespace

std::string KeptGamePath(const ParamRecord& params) {
    return FindPath(params.DataFolder(), kKeptGameName, EntryKind::File);
}

std::string FormatKeptGame(const KeptGame& kept, GameFileKind kind) {
    LineWriter out;
    out.Word(FirstLine(kind));
    out.Word(kVersionLine);
    out.Item("game", kept.game);
    out.Item("deal", kept.deal_number);
    out.Item("clock", kept.seconds);
    out.Item("score", kept.score);
    const KeptCounters& c = kept.counters;
    out.Item("passes", c.passes);
    out.Item("moves", c.moves);
    out.Item("deal_a", c.deal_a);
    out.Item("deal_b", c.deal_b);
    out.Item("score_counter", c.score_counter);
    out.Item("stock_deals", c.stock_deals);
    out.Item("no_refill", c.no_refill ? 1 : 0);
    out.Item("deal_steps", c.deal_steps);
    out.Item("shifts", ShiftsText(kept.displacement));
    out.Word("position");
    for (const std::string& line : kept.position) out.Marked(line);
    WriteSide(out, "undo", kept.undo);
    WriteSide(out, "redo", kept.redo);
    return out.Finish();
}

bool ParseKeptGame(std::string_view text, KeptGame& kept, std::string& why, GameFileKind kind) {
    kept = KeptGame{};
    LineReader header(text);
    if (!header.Exact(FirstLine(kind))) {
        why = kind == GameFileKind::kSaved ? "it is not a saved game" : "it is not a kept game";
        return false;
    }
    std::string_view version;
    if (!header.Value("version", version) || (version != kFirstVersion && version != kVersion)) {
        why = "it was written by another version of the program";
        return false;
    }
    std::string_view body;
    if (!UnsealLines(text, body)) {
        why = "it is damaged or cut short";
        return false;
    }
    LineReader in(body);
    in.Exact(FirstLine(kind));
    in.Value("version", version);
    if (!ReadBody(in, kept, version == kFirstVersion)) {
        kept = KeptGame{};
        why = "its contents are malformed";
        return false;
    }
    return true;
}

KeptGameRead ReadKeptGame(const std::string& path, KeptGame& kept, std::string& why, GameFileKind kind) {
    if (!FileExists(path)) return KeptGameRead::kNone;
    std::error_code error;
    if (std::filesystem::file_size(path, error) > kLargestFile && !error) {
        why = "it is far too large";
        return KeptGameRead::kUnreadable;
    }
    std::string text;
    if (!ReadRegularFile(path, text) || text.size() > kLargestFile) {
        why = "it cannot be read";
        return KeptGameRead::kUnreadable;
    }
    return ParseKeptGame(text, kept, why, kind) ? KeptGameRead::kRead : KeptGameRead::kUnreadable;
}

bool WriteKeptGame(const std::string& path, const KeptGame& kept, GameFileKind kind) {
    // A saved game lives in a folder of the player's, which the start-up
    // does not sweep: an earlier save cut short is cleared here.
    if (kind == GameFileKind::kSaved) RemoveStaleTemporariesOf(path);
    return ReplaceFileContents(path, FormatKeptGame(kept, kind));
}

std::string SetKeptGameAside(const std::string& path) {
    const std::string aside = path + kSetAsideEnding;
    if (FileExists(aside)) RemoveFile(aside);
    if (RenameFile(path, aside)) return aside;
    RemoveFile(path);
    return {};
}

void ForgetKeptGame(const std::string& path) {
    if (FileExists(path)) RemoveFile(path);
}

}  // namespace velmora
