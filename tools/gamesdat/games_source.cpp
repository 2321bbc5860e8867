#include "games_source.h"

#include <algorithm>
#include <map>
#include <set>

#include "text/fixed_text.h"
#include "text/sections.h"

namespace velmora::gamesdat {

namespace gf = games_format;

namespace {

struct FieldSpec {
    std::string_view key;
    int GameDefinition::*member;
    int low;
    int high;
};

constexpr FieldSpec kFields[] = {
    {"type", &GameDefinition::type, 0, 999},
    {"new", &GameDefinition::new_flag, 0, 1},
    {"available", &GameDefinition::availability, 0, 2},
    {"base", &GameDefinition::base, 0, 999},
};

std::string_view Trim(std::string_view s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool IsPrintable(char c) { return c >= ' ' && c <= '~'; }

bool AllDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// A decimal number, or a quoted character standing for its code.
bool ParseValue(std::string_view text, int64_t& out) {
    if (text.size() == 3 && text.front() == '\'' && text.back() == '\'' && IsPrintable(text[1])) {
        out = static_cast<unsigned char>(text[1]);
        return true;
    }
    return ParseInt(text, out);
}

class Parser {
public:
    Parser(GamesSource& out, SourceIds ids) : out_(out), ids_(ids) {}

    void Line(int number, std::string_view raw) {
        const std::string_view text = Trim(raw.substr(0, raw.find('#')));
        if (text.empty()) return;
        if (text.front() == '[') return Header(number, text);
        const size_t eq = text.find('=');
        if (eq == std::string_view::npos) return Error(number, "expected 'key = value'");
        if (!open_) return Error(number, "'" + std::string(text) + "' outside a [game N] block");
        Assignment(number, Trim(text.substr(0, eq)), Trim(text.substr(eq + 1)));
    }

    void Finish(int last_line) {
        CloseBlock();
        if (out_.games.empty() && out_.errors.empty()) Error(last_line, "no game defined");
    }

private:
    void Header(int number, std::string_view text) {
        CloseBlock();
        // A faulty header still opens a block, so that its lines are checked
        // without a cascade of "outside a block" errors; it is not kept.
        current_ = GameDefinition{};
        current_.line = number;
        keys_.clear();
        open_ = true;
        broken_ = true;
        constexpr std::string_view kOpen = "[game ";
        const std::string_view id_text =
            text.starts_with(kOpen) && text.back() == ']'
                ? Trim(text.substr(kOpen.size(), text.size() - kOpen.size() - 1))
                : std::string_view();
        int64_t id = -1;
        if (!AllDigits(id_text) || id_text.size() > 4 || !ParseInt(id_text, id) || id < ids_.first ||
            id > ids_.last)
            return Error(number, "expected a block header '[game N]' with N from " + std::to_string(ids_.first) +
                                     " to " + std::to_string(ids_.last));
        current_.id = static_cast<int>(id);
        if (const auto seen = id_lines_.find(current_.id); seen != id_lines_.end())
            return Error(number, "game " + std::to_string(id) + " is already defined at line " +
                                     std::to_string(seen->second));
        id_lines_[current_.id] = number;
        broken_ = false;
    }

    void Assignment(int number, std::string_view key, std::string_view value) {
        if (AllDigits(key)) return Entry(number, key, value);
        if (!FirstTime(number, std::string(key))) return;
        if (key == "name") return Name(number, value);
        if (key == "like") return Like(number, value);
        for (const FieldSpec& field : kFields)
            if (key == field.key) return Field(number, field, value);
        Error(number, "unknown key '" + std::string(key) + "'");
    }

    // False (and an error) when the block has set this key before.
    bool FirstTime(int number, const std::string& key) {
        if (keys_.insert(key).second) return true;
        Error(number, key + " is set twice in this game");
        return false;
    }

    void Name(int number, std::string_view value) {
        if (value.empty() || value.size() > static_cast<size_t>(gf::kNameWidth))
            return Error(number, "a name has 1 to 50 characters");
        for (char c : value)
            if (!IsPrintable(c)) return Error(number, "a name holds printable ASCII characters only");
        current_.name = std::string(value);
    }

    // The block starts from the rules entries and the type of a game defined
    // above it; the entries it sets afterwards replace those values.
    void Like(int number, std::string_view value) {
        int64_t id = -1;
        if (!AllDigits(value) || value.size() > 3 || !ParseInt(value, id))
            return Error(number, "like takes the id of a game defined above");
        for (const std::string& key : keys_)
            if (key.starts_with("entry ") || key == "type")
                return Error(number, "like comes before the block's type and rules entries");
        const auto base = std::find_if(out_.games.begin(), out_.games.end(),
                                       [id](const GameDefinition& g) { return g.id == id; });
        if (base == out_.games.end()) return Error(number, "like names game " + std::string(value) + ", which is not defined above");
        current_.entries = base->entries;
        current_.type = base->type;
    }

    void Field(int number, const FieldSpec& field, std::string_view value) {
        int64_t v = 0;
        if (!ParseInt(value, v) || v < field.low || v > field.high)
            return Error(number, std::string(field.key) + " takes a number from " + std::to_string(field.low) +
                                     " to " + std::to_string(field.high));
        current_.*field.member = static_cast<int>(v);
    }

    void Entry(int number, std::string_view key, std::string_view value) {
        int64_t entry = -1;
        if (key.size() > 3 || !ParseInt(key, entry) || entry >= gf::kGameEntries)
            return Error(number, "entry " + std::string(key) + " is not a game entry (0 to " +
                                     std::to_string(gf::kGameEntries - 1) + ")");
        if (!FirstTime(number, "entry " + std::to_string(entry))) return;
        int64_t v = 0;
        if (!ParseValue(value, v)) return Error(number, "'" + std::string(value) + "' is not a number");
        if (v < INT16_MIN || v > INT16_MAX) return Error(number, "value out of the range -32768 .. 32767");
        current_.entries[static_cast<size_t>(entry)] = static_cast<int16_t>(v);
    }

    void CloseBlock() {
        if (!open_) return;
        open_ = false;
        if (broken_) return;
        if (current_.name.empty()) {
            // A name that was given but refused has been reported already.
            if (!keys_.count("name")) Error(current_.line, "game " + std::to_string(current_.id) + " has no name");
            return;
        }
        out_.games.push_back(current_);
    }

    void Error(int line, std::string message) { out_.errors.push_back(SourceError{line, std::move(message)}); }

    GamesSource& out_;
    SourceIds ids_;
    GameDefinition current_;
    bool open_ = false;
    bool broken_ = false;  // the open block's header was faulty
    std::set<std::string> keys_;   // keys set in the open block
    std::map<int, int> id_lines_;  // header line of every id seen
};

}  // namespace

GamesSource ParseGamesSource(std::string_view text, SourceIds ids) {
    GamesSource out;
    Parser parser(out, ids);
    const std::vector<std::string> lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) parser.Line(static_cast<int>(i) + 1, lines[i]);
    parser.Finish(static_cast<int>(lines.size()));
    std::stable_sort(out.errors.begin(), out.errors.end(),
                     [](const SourceError& a, const SourceError& b) { return a.line < b.line; });
    return out;
}

std::string FormatError(std::string_view file, const SourceError& error) {
    return std::string(file) + ":" + std::to_string(error.line) + ": " + error.message;
}

}  // namespace velmora::gamesdat
