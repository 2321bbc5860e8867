// Packing the help pages: the shipped pages make a sound help file, the
// build wrote exactly that file, and a folder with a fault is refused with
// the page and the fault named.

#include <gtest/gtest.h>

#include <algorithm>

#include "help_pack.h"
#include "platform/help_file.h"
#include "platform/help_links.h"

namespace velmora::helppack {
namespace {

std::vector<Page> ShippedPages() {
    std::vector<Page> pages;
    std::string error;
    EXPECT_TRUE(ReadPages(VELMORA_HELP_DIR, &pages, &error)) << error;
    return pages;
}

bool Mentions(const std::vector<std::string>& errors, const std::string& text) {
    return std::any_of(errors.begin(), errors.end(),
                       [&](const std::string& e) { return e.find(text) != std::string::npos; });
}

TEST(HelpPack, TheShippedPagesMakeTheHelpFileTheBuildWrote) {
    const PackResult packed = PackPages(ShippedPages());
    ASSERT_EQ(packed.errors, std::vector<std::string>{});
    std::string error;
    const std::optional<hlp::HelpBook> built = hlp::LoadHelpFile(VELMORA_HELP_FILE, &error);
    ASSERT_TRUE(built) << error;
    EXPECT_EQ(hlp::Serialize(*built), hlp::Serialize(packed.book));

    std::vector<uint32_t> numbers;
    for (const hlp::Topic& topic : built->topics) numbers.push_back(topic.number);
    // The contents, the customize dialog's page, the keyboard's page, then
    // one page per game.
    ASSERT_GE(numbers.size(), 12u);
    EXPECT_EQ(numbers[0], kContentsTopic);
    EXPECT_EQ(numbers[1], 1019u);
    EXPECT_EQ(numbers[2], 1020u);
    for (size_t i = 3; i < numbers.size(); ++i) {
        EXPECT_GT(numbers[i], numbers[i - 1]);
        EXPECT_TRUE(numbers[i] > 3000 && numbers[i] < 4000) << numbers[i];
    }
    EXPECT_EQ(built->contents, kContentsTopic);
    EXPECT_EQ(hlp::FindTopic(*built, 3002)->title, "Klondike");
    EXPECT_EQ(hlp::FindTopic(*built, 1019)->title, "Customize");
    EXPECT_EQ(hlp::FindTopic(*built, 1020)->title, "Playing with the keyboard");
}

TEST(HelpPack, EveryPackedLinkIsATopicNumberTheWindowCanFollow) {
    const PackResult packed = PackPages(ShippedPages());
    size_t links = 0;
    for (const hlp::Topic& topic : packed.book.topics) {
        hlp::ForEachLink(topic.body, [&](std::string_view href, size_t) {
            ++links;
            const std::optional<uint32_t> target = hlp::LinkedTopic(href);
            ASSERT_TRUE(target) << topic.number << ": " << href;
            EXPECT_NE(hlp::FindTopic(packed.book, *target), nullptr)
                << topic.number << ": " << href;
        });
    }
    EXPECT_GE(links, 10u) << "the contents links every topic";
}

TEST(HelpPack, LinksToTheContentsPageBecomeLinksToItsTopic) {
    const PackResult packed =
        PackPages({{"contents.html", "<h1>All</h1><a href=\"3001.html\">One</a>"},
                   {"3001.html", "<h1>One</h1><a href=\"contents.html\">back</a>."}});
    ASSERT_EQ(packed.errors, std::vector<std::string>{});
    EXPECT_EQ(hlp::FindTopic(packed.book, 3001)->body, "<h1>One</h1><a href=\"1.html\">back</a>.");
    EXPECT_EQ(hlp::FindTopic(packed.book, 1)->body, "<h1>All</h1><a href=\"3001.html\">One</a>");
}

TEST(HelpPack, RefusesFoldersWithAFault) {
    const Page contents = {"contents.html", "<h1>Games</h1>"};
    struct Case {
        std::vector<Page> pages;
        const char* error;
    };
    const Case cases[] = {
        {{contents, {"3002.html", "<h1>A</h1>"}, {"03002.html", "<h1>B</h1>"}},
         "topic 3002 is also"},
        {{contents, {"0001.html", "<h1>A</h1>"}}, "topic 1 is also"},
        {{contents, {"3002.html", "<h1>A</h1><a href=\"3010.html\">x</a>"}},
         "3002.html: link to 3010.html"},
        {{contents, {"3002.html", "<a href=\"http://example.org/\">x</a><h1>A</h1>"}},
         "link to http"},
        {{contents, {"3002.html", "<h1>A</h1><a href=\"notes.html\">x</a>"}}, "link to notes.html"},
        {{{"3002.html", "<h1>A</h1>"}}, "contents.html: missing"},
        {{contents, {"notes.html", "<h1>A</h1>"}}, "notes.html: not a topic name"},
        {{contents, {"0.html", "<h1>A</h1>"}}, "0.html: not a topic name"},
        {{contents, {"3002.html", "<p>no title</p>"}}, "3002.html: no <h1> title"},
        {{contents, {"3002.html", "<h1><b>A</b></h1>"}}, "3002.html: the title holds markup"},
    };
    for (const Case& c : cases) {
        const PackResult packed = PackPages(c.pages);
        EXPECT_TRUE(Mentions(packed.errors, c.error))
            << c.error << " not among " << ::testing::PrintToString(packed.errors);
    }
}

TEST(HelpPack, AFolderThatCannotBeReadIsReported) {
    std::vector<Page> pages;
    std::string error;
    EXPECT_FALSE(ReadPages("/nonexistent/help", &pages, &error));
    EXPECT_NE(error.find("/nonexistent/help"), std::string::npos);
}

}  // namespace
}  // namespace velmora::helppack
