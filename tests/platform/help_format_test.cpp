// The help file must give back exactly what was packed, and must refuse
// (never crash on, never read past) any damaged file; links and help file
// names are read the way the help window follows them.

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <tuple>

#include "platform/help_file.h"
#include "platform/help_format.h"
#include "platform/help_links.h"

namespace velmora::hlp {
namespace {

const HelpBook kBook = {
    1,
    {{1, "Velmora games", "<h1>Velmora games</h1><a href=\"3002.html\">Klondike</a>"},
     {3002, "Klondike", "<h1>Klondike</h1><p>Build down.</p>"},
     {1019, "Customize", ""}}};

// Where the fields of the file lie: a 16-byte header, then 20 bytes a topic.
constexpr size_t kContentsAt = 8;
constexpr size_t kCountAt = 12;
size_t NumberAt(size_t topic) {
    return 16 + 20 * topic;
}
size_t TitleSizeAt(size_t topic) {
    return NumberAt(topic) + 4;
}
size_t BodySizeAt(size_t topic) {
    return NumberAt(topic) + 8;
}
size_t OffsetAt(size_t topic) {
    return NumberAt(topic) + 12;
}
constexpr size_t kTextsStart = 16 + 20 * 3;

std::vector<uint8_t> With(std::vector<uint8_t> bytes, size_t at, uint64_t value, int width) {
    for (int i = 0; i < width; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    return bytes;
}

TEST(HelpFormat, RoundTripsByteForByte) {
    const std::vector<uint8_t> bytes = Serialize(kBook);
    std::string error = "stale";
    const std::optional<HelpBook> parsed = Parse(bytes, &error);
    ASSERT_TRUE(parsed) << error;
    EXPECT_EQ(error, "");
    EXPECT_EQ(Serialize(*parsed), bytes);
    EXPECT_EQ(parsed->contents, 1u);
    ASSERT_NE(FindTopic(*parsed, 3002), nullptr);
    EXPECT_EQ(FindTopic(*parsed, 3002)->title, "Klondike");
    EXPECT_EQ(FindTopic(*parsed, 3002)->body, kBook.topics[1].body);
    EXPECT_EQ(FindTopic(*parsed, 1019)->body, "");
    EXPECT_EQ(FindTopic(*parsed, 3003), nullptr);
}

TEST(HelpFormat, RefusesDamagedHeadersDirectoriesAndTextPlaces) {
    const std::vector<uint8_t> good = Serialize(kBook);
    const uint64_t end = good.size();
    struct Damage {
        size_t at;
        uint64_t value;
        int width;
        const char* what;
    };
    const Damage damages[] = {
        {0, 'X', 1, "magic"},
        {4, 2, 4, "version"},
        {kCountAt, 0, 4, "no topic"},
        {kCountAt, 0x7F000000, 4, "more topics than could fit"},
        {kCountAt, 2, 4, "fewer topics: the third topic's text is left over"},
        {kContentsAt, 7, 4, "contents topic missing"},
        {NumberAt(1), 0, 4, "topic number 0"},
        {NumberAt(1), kMaxTopicNumber + 1, 4, "topic number too large"},
        {NumberAt(1), 1, 4, "topic number twice"},
        {TitleSizeAt(0), 0, 4, "empty title"},
        {TitleSizeAt(0), kMaxTitleLength + 1, 4, "overlong title"},
        {BodySizeAt(1), 0xFFFFFFFF, 4, "body runs past the end"},
        {OffsetAt(0), 0, 8, "text inside the header"},
        {OffsetAt(0), kTextsStart - 1, 8, "text inside the directory"},
        {OffsetAt(2), end - 2, 8, "text runs past the end"},
        {OffsetAt(2), UINT64_MAX - 1, 8, "offset wraps"},
        {OffsetAt(2), kTextsStart + 3, 8, "texts overlap"},
        {kTextsStart, 0x07, 1, "unprintable title"},
    };
    for (const Damage& damage : damages) {
        std::string error;
        EXPECT_FALSE(Parse(With(good, damage.at, damage.value, damage.width), &error))
            << damage.what;
        EXPECT_FALSE(error.empty()) << damage.what;
    }
    std::vector<uint8_t> longer = good;
    longer.push_back('x');
    EXPECT_FALSE(Parse(longer)) << "bytes after the last topic";
}

TEST(HelpFormat, BookFaultsAreThoseTheReaderWouldRefuse) {
    const std::pair<HelpBook, const char*> books[] = {
        {{1, {}}, "no topic"},
        {{1, {{1, "A", ""}, {1, "B", ""}}}, "appears twice"},
        {{1, {{1, "A", ""}, {0, "B", ""}}}, "bad topic number"},
        {{1, {{1, "", ""}}}, "title"},
        {{1, {{1, "line\nbreak", ""}}}, "title"},
        {{2, {{1, "A", ""}}}, "contents topic 2 is missing"},
    };
    for (const auto& [book, fault] : books) {
        EXPECT_NE(BookFault(book).find(fault), std::string::npos) << BookFault(book);
        EXPECT_FALSE(Parse(Serialize(book))) << fault;
    }
    EXPECT_EQ(BookFault(kBook), "");
}

// Anything but a crash or an out-of-bounds read (the sanitizer build
// catches those) is acceptable here.
TEST(HelpFormat, SurvivesTruncatedRandomAndMutatedInput) {
    const std::vector<uint8_t> good = Serialize(kBook);
    for (size_t n = 0; n < good.size(); ++n)
        EXPECT_FALSE(Parse({good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n)})) << n;
    std::mt19937 random(20261208);
    for (int round = 0; round < 3000; ++round) {
        std::vector<uint8_t> bytes = good;
        if (round % 3 == 0) {
            bytes.resize(4 + random() % 200);
            for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
            std::copy_n("VHLP", 4, bytes.begin());
        } else {
            for (int k = 0; k <= round % 4; ++k) bytes[random() % bytes.size()] = uint8_t(random());
        }
        Parse(bytes);
    }
}

TEST(HelpLinks, OnlyTopicNumbersAreLinkTargets) {
    const std::pair<const char*, std::optional<uint32_t>> cases[] = {
        {"3002.html", 3002}, {"1.html", 1},        {"0001.html", 1},      {"999999.html", 999999},
        {"0.html", {}},      {"1000000.html", {}}, {"contents.html", {}}, {"3002.htm", {}},
        {".html", {}},       {"30 2.html", {}},    {"-1.html", {}},       {"99999999999.html", {}},
        {"3002", {}},        {"x/3002.html", {}},
    };
    for (const auto& [href, number] : cases) EXPECT_EQ(LinkedTopic(href), number) << href;
}

TEST(HelpLinks, EveryHrefIsVisitedWithItsPlace) {
    const std::string html = "<a href=\"1.html\">a</a> <a href=\"\">b</a> <a href=\"x";
    std::vector<std::pair<std::string, size_t>> seen;
    ForEachLink(html, [&](std::string_view href, size_t at) { seen.emplace_back(href, at); });
    ASSERT_EQ(seen.size(), 2u) << "an unclosed href ends the search";
    EXPECT_EQ(seen[0], std::make_pair(std::string("1.html"), size_t{9}));
    EXPECT_EQ(seen[1].first, "");
}

TEST(HelpFile, TheWindowNameFollowsTheLastAngleBracket) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"/opt/v/tabloria.hlp>rules", "/opt/v/tabloria.hlp", "rules"},
        {"/opt/v/tabloria.hlp>proc", "/opt/v/tabloria.hlp", "proc"},
        {"/opt/v/tabloria.hlp", "/opt/v/tabloria.hlp", ""},
        {"/opt/a>b/tabloria.hlp", "/opt/a>b/tabloria.hlp", ""},
        {"/opt/a>b/tabloria.hlp>rules", "/opt/a>b/tabloria.hlp", "rules"},
        {"tabloria.hlp>", "tabloria.hlp", ""},
    };
    for (const auto& [name, path, window] : cases) {
        const HelpRequest request = SplitHelpFile(name);
        EXPECT_EQ(request.path, path) << name;
        EXPECT_EQ(request.window, window) << name;
    }
}

TEST(HelpFile, LoadingGivesTheBookOrSaysWhy) {
    const std::string path = ::testing::TempDir() + "help_format_test.hlp";
    std::string error;
    std::remove(path.c_str());
    EXPECT_FALSE(LoadHelpFile(path, &error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;

    const std::vector<uint8_t> bytes = Serialize(kBook);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size() - 5));
    EXPECT_FALSE(LoadHelpFile(path, &error));
    EXPECT_NE(error.find("outside the file"), std::string::npos) << error;

    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    const std::optional<HelpBook> book = LoadHelpFile(path, &error);
    ASSERT_TRUE(book) << error;
    EXPECT_EQ(book->topics.size(), 3u);
    std::remove(path.c_str());
}

}  // namespace
}  // namespace velmora::hlp
