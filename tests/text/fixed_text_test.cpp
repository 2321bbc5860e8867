#include "text/fixed_text.h"

#include <gtest/gtest.h>

#include "text/sections.h"

namespace velmora {
namespace {

TEST(FixedText, ZeroPadPadsSignsAndOverflows) {
    EXPECT_EQ(ZeroPad(7, 3), "007");
    EXPECT_EQ(ZeroPad(12345, 3), "***");
    EXPECT_EQ(ZeroPad(-1, 3), "-01");
    EXPECT_EQ(ZeroPad(-1, 4), "-001");
    EXPECT_EQ(ZeroPad(-123, 3), "***");  // the sign needs a column too
    EXPECT_EQ(ZeroPad(0, 1), "0");
    EXPECT_EQ(ZeroPad(INT64_MIN, 4), "****");
    EXPECT_EQ(ZeroPad(5, 0), "");
    EXPECT_EQ(ZeroPad(5, -2), "");
}

TEST(FixedText, PadRightAndRightPartCutOrFill) {
    EXPECT_EQ(PadRight("abc", 2), "ab");
    EXPECT_EQ(PadRight("", 3), "   ");
    EXPECT_EQ(PadRight("abc", -1), "");
    EXPECT_EQ(RightPart("abc", 5), "abc");
    EXPECT_EQ(RightPart("abc", 0), "");
    EXPECT_EQ(RightPart("abc", 2), "bc");
    EXPECT_EQ(RightPart("abc", -4), "");
    EXPECT_EQ(Spaces(-3), "");
    EXPECT_EQ(RepeatChar('*', 3), "***");
}

TEST(FixedText, ReplaceAtKeepsBothEnds) {
    EXPECT_EQ(ReplaceAt("abcdef", 3, 2, "XY"), "abXYef");
    EXPECT_EQ(ReplaceAt("abcdef", 1, 0, "X"), "Xabcdef");
    EXPECT_EQ(ReplaceAt("abc", 3, 10, "XY"), "abXY");
    EXPECT_EQ(ReplaceAt("abc", 9, 1, "XY"), "abcXY");
    // Nothing sensible to do: the text comes back unchanged.
    EXPECT_EQ(ReplaceAt("abc", 2, -1, "XY"), "abc");
    EXPECT_EQ(ReplaceAt("abc", 0, 1, "XY"), "abc");
}

TEST(FixedText, TrimsOnlyTheirSide) {
    EXPECT_EQ(TrimRightSpaces("  a b  "), "  a b");
    EXPECT_EQ(TrimLeftSpaces("  a b  "), "a b  ");
    EXPECT_EQ(TrimRightSpaces("    "), "");
    EXPECT_EQ(TrimLeftSpaces("    "), "");
}

TEST(FixedText, SmallNumericHelpers) {
    EXPECT_EQ(ReplaceChar("a\\b\\c", '\\', "/"), "a/b/c");
    EXPECT_EQ(ReplaceChar("aXa", 'a', ""), "X");
    EXPECT_EQ(MaxInt(-3, 2), 2);
    EXPECT_EQ(IntPower(10, 3), 1000);
    EXPECT_EQ(IntPower(7, 0), 1);
    EXPECT_EQ(IntPower(7, -2), 1);
}

TEST(FixedText, ColumnsAndParseIntAreStrict) {
    EXPECT_EQ(Columns("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Columns("abc", 3, 9), "c");
    EXPECT_EQ(Columns("abc", 4, 1), "");
    EXPECT_EQ(Columns("abc", 0, 2), "");
    int64_t v = 0;
    EXPECT_TRUE(ParseInt("-12", v));
    EXPECT_EQ(v, -12);
    EXPECT_TRUE(ParseInt("+7", v));
    EXPECT_EQ(v, 7);
    EXPECT_FALSE(ParseInt("", v));
    EXPECT_FALSE(ParseInt("1 ", v));
    EXPECT_FALSE(ParseInt("1a", v));
    EXPECT_FALSE(ParseInt("-", v));
    EXPECT_FALSE(ParseInt("+-5", v));
    EXPECT_FALSE(ParseInt("99999999999999999999", v));
}

TEST(CharacterShift, MapsBothHalvesOfTheRange) {
    EXPECT_EQ(ShiftChar('P'), ' ');
    EXPECT_EQ(ShiftChar(' '), 'P');
    EXPECT_EQ(ShiftChar('a'), '1');  // 97 - 48
    EXPECT_EQ(ShiftChar('0'), '`');  // 48 + 48
    EXPECT_EQ(ShiftText(ShiftText("Freecell 001")), "Freecell 001");
    // Codes above 127 stay within a byte.
    EXPECT_EQ(static_cast<unsigned char>(ShiftChar(static_cast<char>(255))), 207);
}

TEST(Sections, JoinsRepeatedHeadersInFileOrder) {
    const std::vector<std::string> lines = {"junk",    "[Sect1]", "a", "b", "[Other]", "x",
                                            "[Sect1]", "c",       "[Sect2]extra", "d"};
    EXPECT_EQ(ExtractSection(lines, "[Sect1]"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(ExtractSection(lines, "[Sect2]"), (std::vector<std::string>{"d"}));
    EXPECT_TRUE(ExtractSection(lines, "[Missing]").empty());
}

TEST(Sections, SplitLinesAcceptsBothLineEndings) {
    EXPECT_EQ(SplitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitLines("a\n\nb\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace velmora
