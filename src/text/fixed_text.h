#pragma once
// Routines for the fixed-width text fields the program keeps its state in.
// Positions are 1-based; strings are byte strings.

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// The text cut to `width` characters or padded on the right with spaces.
std::string PadRight(std::string_view text, int width);
// n spaces; n copies of `ch` (none for n <= 0).
std::string Spaces(int n);
std::string RepeatChar(char ch, int n);
// The last n characters (empty for n <= 0, the whole text when n >= length).
std::string RightPart(std::string_view text, int n);
// The characters before `pos`, then `replacement`, then those from pos + len on.
// A negative length or a position below 1 leaves the text unchanged.
std::string ReplaceAt(std::string_view text, int pos, int len, std::string_view replacement);
std::string TrimRightSpaces(std::string_view text);
std::string TrimLeftSpaces(std::string_view text);
// The decimal number right-aligned with leading zeros; a minus sign goes in
// front of the zeros; too wide a number gives `width` asterisks.
std::string ZeroPad(int64_t number, int width);
// Every occurrence of `ch` replaced by `replacement`.
std::string ReplaceChar(std::string_view text, char ch, std::string_view replacement);
int64_t MaxInt(int64_t a, int64_t b);
// base multiplied n times; 1 for n <= 0. Wraps like unsigned arithmetic.
int64_t IntPower(int64_t base, int n);

// 1-based substring like the fixed-column reads of the program: characters
// pos .. pos + len - 1, fewer when the text ends first, empty when pos < 1.
std::string Columns(std::string_view text, int pos, int len);
// The same, looking into `text` instead of copying.
std::string_view ColumnView(std::string_view text, int pos, int len);

// Strict decimal conversion (optional sign, digits, nothing else).
bool ParseInt(std::string_view text, int64_t& out);

}  // namespace velmora
