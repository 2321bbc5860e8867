#pragma once
// tabloria.hlp, the program's help file: numbered topics, each with a title
// and an HTML body, and the number of the contents topic. tools/helppack
// writes it from data/help; the help window reads it. This part reads and
// writes the container only; it needs nothing but the standard library.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmora::hlp {

// Topic numbers are positive and below this bound, so that every number
// fits the int context of a help request.
constexpr uint32_t kMaxTopicNumber = 999999;
constexpr size_t kMaxTitleLength = 200;

struct Topic {
    uint32_t number = 0;
    std::string title;  // printable ASCII, one line
    std::string body;   // an HTML fragment
};

struct HelpBook {
    uint32_t contents = 0;  // the number of the contents topic
    std::vector<Topic> topics;
};

// The file's bytes; the same book always gives the same bytes.
std::vector<uint8_t> Serialize(const HelpBook& book);
// The book in a file; nothing (and a reason in `error`) for a file that is
// truncated or corrupt. Every number, offset and size is checked before use.
std::optional<HelpBook> Parse(const std::vector<uint8_t>& bytes, std::string* error = nullptr);

// The first fault of a book that Serialize would write but Parse refuse
// (a bad number, a repeated number, a bad title, no contents topic); empty
// when it has none.
std::string BookFault(const HelpBook& book);

// The topic of that number, or null.
const Topic* FindTopic(const HelpBook& book, uint32_t number);

}  // namespace velmora::hlp
