// The players' help topics in data/help: one file per game, numbered
// 3000 + game id, with a title naming the game, the sections in a fixed
// order, markup the help window can show, and a contents page linking them
// all. The topics are also held against the catalogue in data/games.txt so
// that a renamed game, a different deck count or a scoring rule other than
// the 5 points per card the topics promise shows up here.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "games_source.h"
#include "text/sections.h"

namespace velmora {
namespace {

struct CatalogueGame {
    int id;
    std::string name;
    bool has_stock;  // the topic has a Stock section: cards are dealt to the stock or it is pressed
    int cards;       // cards in the game: 52 or 104
};

gamesdat::GamesSource ReadCatalogue() {
    std::ifstream in(VELMORA_GAMES_SOURCE, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return gamesdat::ParseGamesSource(text.str());
}

// Every game of data/games.txt, as its topic has to describe it.
const std::vector<CatalogueGame>& Games() {
    static const std::vector<CatalogueGame> games = [] {
        std::vector<CatalogueGame> out;
        for (const gamesdat::GameDefinition& g : ReadCatalogue().games)
            out.push_back({g.id, g.name, g.entries[308] > 0 || g.entries[302] > 0, g.entries[307]});
        return out;
    }();
    return games;
}

// The help of the customize dialog (its help context).
constexpr const char* kCustomizeTopic = "1019.html";

std::string TopicFile(int game_id) { return std::to_string(3000 + game_id) + ".html"; }

std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string ReadHelp(const std::string& name) {
    std::optional<std::string> text = ReadFile(std::string(VELMORA_HELP_DIR) + name);
    return text ? *text : std::string();
}

// The text of every element <tag>...</tag>, in document order.
std::vector<std::string> ElementTexts(const std::string& html, const std::string& tag) {
    std::vector<std::string> texts;
    const std::string open = "<" + tag + ">";
    const std::string close = "</" + tag + ">";
    for (size_t at = html.find(open); at != std::string::npos; at = html.find(open, at)) {
        const size_t start = at + open.size();
        const size_t end = html.find(close, start);
        if (end == std::string::npos) break;
        texts.push_back(html.substr(start, end - start));
        at = end;
    }
    return texts;
}

// The part of the topic from the heading of `section` to the next heading.
std::string SectionBody(const std::string& html, const std::string& section) {
    const std::string heading = "<h2>" + section + "</h2>";
    const size_t start = html.find(heading);
    if (start == std::string::npos) return {};
    const size_t end = html.find("<h2>", start + heading.size());
    return html.substr(start + heading.size(),
                       end == std::string::npos ? std::string::npos : end - start - heading.size());
}

// An empty string when every tag is one of the few the topics use and every
// element is closed in the right order; otherwise what is wrong.
std::string MarkupFault(const std::string& html) {
    static const std::set<std::string> kElements = {"h1", "h2", "p", "ul", "ol", "li",
                                                    "a",  "b",  "i", "em", "strong"};
    std::vector<std::string> open;
    for (size_t at = html.find('<'); at != std::string::npos; at = html.find('<', at + 1)) {
        const size_t end = html.find('>', at);
        if (end == std::string::npos) return "a tag is not closed with '>'";
        std::string tag = html.substr(at + 1, end - at - 1);
        const bool closing = !tag.empty() && tag[0] == '/';
        if (closing) tag.erase(0, 1);
        const std::string name = tag.substr(0, tag.find(' '));
        if (name == "br") continue;
        if (!kElements.count(name)) return "unexpected tag <" + tag + ">";
        if (!closing) {
            open.push_back(name);
        } else if (open.empty() || open.back() != name) {
            return "</" + name + "> closes " + (open.empty() ? std::string("nothing") : "<" + open.back() + ">");
        } else {
            open.pop_back();
        }
    }
    if (!open.empty()) return "<" + open.back() + "> is never closed";
    return {};
}

// Every href="..." of the page.
std::vector<std::string> Links(const std::string& html) {
    std::vector<std::string> links;
    const std::string marker = "href=\"";
    for (size_t at = html.find(marker); at != std::string::npos; at = html.find(marker, at)) {
        at += marker.size();
        links.push_back(html.substr(at, html.find('"', at) - at));
    }
    return links;
}

TEST(HelpTopics, EveryGameHasATopicOpeningWithATitleThatNamesIt) {
    for (const CatalogueGame& game : Games()) {
        SCOPED_TRACE(TopicFile(game.id));
        const std::optional<std::string> html =
            ReadFile(std::string(VELMORA_HELP_DIR) + TopicFile(game.id));
        ASSERT_TRUE(html.has_value()) << "no topic file";
        const std::vector<std::string> lines = SplitLines(*html);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), "<h1>" + game.name + "</h1>");
        EXPECT_EQ(ElementTexts(*html, "h1").size(), 1u) << "one title per topic";
    }
}

TEST(HelpTopics, SectionsComeInOrderAndOnlyGamesWithAStockDescribeOne) {
    for (const CatalogueGame& game : Games()) {
        SCOPED_TRACE(TopicFile(game.id));
        std::vector<std::string> expected = {"Layout", "Aim", "Moves"};
        if (game.has_stock) expected.push_back("Stock");
        expected.insert(expected.end(), {"Scoring", "Tips"});
        const std::string html = ReadHelp(TopicFile(game.id));
        EXPECT_EQ(ElementTexts(html, "h2"), expected);
        for (const std::string& section : expected) {
            const std::string body = SectionBody(html, section);
            const bool has_text = body.find("<p>") != std::string::npos ||
                                  body.find("<li>") != std::string::npos;
            EXPECT_TRUE(has_text) << section << " has no paragraph or list item";
        }
    }
}

TEST(HelpTopics, ScoringGivesTheScoreOfAWonDealForTheDeckCount) {
    // 5 points for each of the cards, less one point per card of the game.
    for (const CatalogueGame& game : Games()) {
        SCOPED_TRACE(TopicFile(game.id));
        std::string scoring = SectionBody(ReadHelp(TopicFile(game.id)), "Scoring");
        std::replace(scoring.begin(), scoring.end(), '\n', ' ');  // a line break reads as a space
        EXPECT_NE(scoring.find(" " + std::to_string(4 * game.cards) + "."), std::string::npos)
            << scoring;
        EXPECT_NE(scoring.find("5 points"), std::string::npos) << scoring;
    }
}

// Every page of the folder: the contents, the customize dialog's topic and
// the games' topics.
std::vector<std::string> AllPages() {
    std::vector<std::string> pages = {"contents.html", kCustomizeTopic};
    for (const CatalogueGame& game : Games()) pages.push_back(TopicFile(game.id));
    return pages;
}

TEST(HelpTopics, PagesUseOnlyClosedSimpleMarkupInPlainAscii) {
    for (const std::string& page : AllPages()) {
        SCOPED_TRACE(page);
        const std::string html = ReadHelp(page);
        ASSERT_FALSE(html.empty());
        EXPECT_EQ(MarkupFault(html), "");
        for (const char c : html)
            EXPECT_TRUE(c == '\n' || (c >= ' ' && c <= '~'))
                << "character code " << static_cast<int>(static_cast<unsigned char>(c));
        // A bare '&' that starts no entity shows up literally or swallows text.
        for (size_t at = html.find('&'); at != std::string::npos; at = html.find('&', at + 1)) {
            const size_t semicolon = html.find(';', at);
            ASSERT_NE(semicolon, std::string::npos);
            const std::string entity = html.substr(at + 1, semicolon - at - 1);
            EXPECT_TRUE(entity == "minus" || entity == "amp" || entity == "lt" || entity == "gt")
                << "&" << entity << ";";
        }
    }
}

TEST(HelpContents, LinksEveryTopicOnceUnderTheGamesName) {
    const std::string contents = ReadHelp("contents.html");
    ASSERT_FALSE(contents.empty());
    const std::vector<std::string> links = Links(contents);
    for (const CatalogueGame& game : Games()) {
        SCOPED_TRACE(game.name);
        const std::string target = TopicFile(game.id);
        EXPECT_EQ(std::count(links.begin(), links.end(), target), 1);
        EXPECT_NE(contents.find("<a href=\"" + target + "\">" + game.name + "</a>"),
                  std::string::npos)
            << "the link does not carry the game's name";
    }
    EXPECT_EQ(std::count(links.begin(), links.end(), kCustomizeTopic), 1);
}

TEST(HelpTopics, EveryLinkOfEveryPageLeadsToAPage) {
    for (const std::string& page : AllPages()) {
        for (const std::string& target : Links(ReadHelp(page))) {
            SCOPED_TRACE(page + " -> " + target);
            EXPECT_TRUE(ReadFile(std::string(VELMORA_HELP_DIR) + target).has_value()) << "dangling link";
        }
    }
}

TEST(HelpTopics, TheCustomizeTopicDescribesEachPageOfTheDialog) {
    const std::string html = ReadHelp(kCustomizeTopic);
    ASSERT_FALSE(html.empty());
    EXPECT_EQ(SplitLines(html).front(), "<h1>Customize</h1>");
    const std::vector<std::string> pages = {"General", "Decks", "Backgrounds", "Sounds"};
    std::vector<std::string> sections = ElementTexts(html, "h2");
    sections.resize(std::min(sections.size(), pages.size()));
    EXPECT_EQ(sections, pages);
    for (const char* control : {"Show time", "Show score", "Confirm quit game", "Select a card back",
                                "Select a background", "Fade background", "Disable all sounds"})
        EXPECT_NE(html.find(control), std::string::npos) << control;
}

TEST(HelpTopics, TheCatalogueScoresAsTheTopicsSay) {
    const gamesdat::GamesSource source = ReadCatalogue();
    ASSERT_TRUE(source.errors.empty()) << gamesdat::FormatError("games.txt", source.errors.front());
    ASSERT_GE(source.games.size(), 9u);
    // Rule codes whose score is not 5 points per card on the foundations and
    // the discard pile; the topics would describe the wrong score.
    const std::set<int> own_score = {9, 32, 34, 35, 36, 37, 38, 39, 40,
                                     41, 42, 43, 44, 46, 47, 48, 49};
    for (const gamesdat::GameDefinition& defined : source.games) {
        SCOPED_TRACE("game " + std::to_string(defined.id));
        EXPECT_TRUE(defined.entries[307] == 52 || defined.entries[307] == 104) << defined.entries[307];
        EXPECT_EQ(defined.entries[44], 0) << "cards counted as scored before the deal";
        EXPECT_EQ(defined.entries[310], 0) << "jokers, which the topics never mention";
        EXPECT_EQ(own_score.count(defined.entries[47]), 0u)
            << "rule code " << defined.entries[47] << " scores differently";
    }
}

}  // namespace
}  // namespace velmora
