#include "storage/kept_game_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <utility>
#include <vector>

#include "engine/model/pile_lists.h"
#include "engine/play/move_log.h"
#include "platform/durable_files.h"
#include "platform/files.h"
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
constexpr char kLineMark = '|';
constexpr size_t kChecksumDigits = 16;
// Far beyond any real game (a few thousand steps), small enough to read.
constexpr size_t kLargestFile = 64u << 20;

uint64_t Checksum(std::string_view bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string Hex(uint64_t value) {
    char text[kChecksumDigits + 1];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

const char* FirstLine(GameFileKind kind) {
    return kind == GameFileKind::kSaved ? kSavedFirstLine : kKeptFirstLine;
}

// The writer's side: named lines and marked snapshot lines.
class LineWriter {
  public:
    void Item(std::string_view name, std::string_view value) {
        text_ += name;
        text_ += ' ';
        text_ += value;
        text_ += '\n';
    }
    void Item(std::string_view name, int value) { Item(name, std::to_string(value)); }
    void Word(std::string_view word) {
        text_ += word;
        text_ += '\n';
    }
    void Marked(std::string_view line) {
        text_ += kLineMark;
        Word(line);
    }
    std::string Finish() {
        const std::string sum = Hex(Checksum(text_));
        Item("end", sum);
        return std::move(text_);
    }

  private:
    std::string text_;
};

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

// The reader's side: the lines of the file in order; every read names what
// it expects, and the first mismatch is the reason the file is refused.
class LineReader {
  public:
    explicit LineReader(std::string_view text) {
        size_t start = 0;
        while (start < text.size()) {
            const size_t end = text.find('\n', start);
            if (end == std::string_view::npos) break;  // the checksum line ends the file
            lines_.push_back(text.substr(start, end - start));
            start = end + 1;
        }
    }

    bool Exact(std::string_view line) { return Next() && current_ == line; }
    // "<name> <value>": the value.
    bool Value(std::string_view name, std::string_view& value) {
        if (!Next() || current_.size() <= name.size() || !current_.starts_with(name) ||
            current_[name.size()] != ' ')
            return false;
        value = current_.substr(name.size() + 1);
        return true;
    }
    bool Number(std::string_view name, int& number) {
        std::string_view value;
        int64_t parsed = 0;
        if (!Value(name, value) || !ParseInt(value, parsed) || parsed < std::numeric_limits<int>::min() ||
            parsed > std::numeric_limits<int>::max())
            return false;
        number = static_cast<int>(parsed);
        return true;
    }
    bool Marked(std::string& line) {
        if (!Next() || current_.empty() || current_.front() != kLineMark) return false;
        line = std::string(current_.substr(1));
        return true;
    }
    size_t Left() const { return lines_.size() - next_; }
    bool AtEnd() const { return next_ == lines_.size(); }

  private:
    bool Next() {
        if (next_ >= lines_.size()) return false;
        current_ = lines_[next_++];
        return true;
    }

    std::vector<std::string_view> lines_;
    size_t next_ = 0;
    std::string_view current_;
};

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

// Splits off the "end <checksum>" line and checks it against the rest.
bool ChecksumHolds(std::string_view text, std::string_view& body) {
    if (text.empty() || text.back() != '\n') return false;
    const size_t line_start = text.rfind('\n', text.size() - 2);
    const size_t start = line_start == std::string_view::npos ? 0 : line_start + 1;
    const std::string_view last = text.substr(start, text.size() - 1 - start);
    body = text.substr(0, start);
    return last == "end " + Hex(Checksum(body));
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
    if (!ChecksumHolds(text, body)) {
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
