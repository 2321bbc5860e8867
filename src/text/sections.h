#pragma once
// Sections of line-oriented text files and the character shift that the
// game-definition file stores its fields in.

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// All lines that follow any line beginning with `header`, each run ending
// before the next line that begins with "[". Runs of a repeated header are
// returned one after the other, in file order.
std::vector<std::string> ExtractSection(const std::vector<std::string>& lines,
                                        std::string_view header);

// A character of code 80 or above becomes the one 48 lower, any other the one
// 48 higher. The shift is its own decoder for the range the file uses.
char ShiftChar(char c);
std::string ShiftText(std::string_view text);

// Splits file contents into lines; accepts "\n" and "\r\n" endings.
std::vector<std::string> SplitLines(std::string_view contents);

}  // namespace velmora
