#pragma once
// Our own text files of named lines ("<name> <value>"), sealed by a last
// line "end <checksum>": 16 hex digits of FNV-1a (64 bits) over every byte
// before it. A file cut short or changed anywhere fails its seal; a reader
// then reads the lines one by one, each naming what it expects, so the
// first line out of place refuses the file.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Lines whose text could be empty carry this mark in front, so an empty
// value is never a blank line.
inline constexpr char kLineMark = '|';

class LineWriter {
  public:
    void Item(std::string_view name, std::string_view value);
    void Item(std::string_view name, int value) { Item(name, std::to_string(value)); }
    void Word(std::string_view word);
    void Marked(std::string_view line);
    // The text written, with its "end <checksum>" line.
    std::string Finish();

  private:
    std::string text_;
};

// Splits off the "end <checksum>" line; false unless it seals the rest.
bool UnsealLines(std::string_view text, std::string_view& body);

class LineReader {
  public:
    explicit LineReader(std::string_view text);

    bool Exact(std::string_view line);
    // "<name> <value>": the value (at least one character).
    bool Value(std::string_view name, std::string_view& value);
    bool Number(std::string_view name, int& number);
    // "|<line>": the line.
    bool Marked(std::string& line);
    // The next line whatever it holds.
    bool Next(std::string_view& line);
    size_t Left() const { return lines_.size() - next_; }
    bool AtEnd() const { return next_ == lines_.size(); }

  private:
    bool Advance();

    std::vector<std::string_view> lines_;
    size_t next_ = 0;
    std::string_view current_;
};

}  // namespace velmora
