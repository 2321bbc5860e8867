// The help file (tabloria.hlp) on any bytes: a refusal comes with a reason;
// what parses is a sound book that writes back to the same bytes, and every
// link of every topic can be asked for its topic without a fault.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "platform/help_format.h"
#include "platform/help_links.h"

namespace {

using velmora::fuzz::Check;
namespace hlp = velmora::hlp;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    std::string error;
    const auto book = hlp::Parse(bytes, &error);
    if (!book) {
        Check(!error.empty(), "a refused help file gives a reason");
        return 0;
    }
    Check(hlp::BookFault(*book).empty(), "a parsed book has no fault");
    Check(hlp::FindTopic(*book, book->contents) != nullptr, "the contents topic is there");
    Check(hlp::Serialize(*book) == bytes, "a parsed help file writes back to the same bytes");
    for (const hlp::Topic& topic : book->topics) {
        hlp::ForEachLink(topic.body, [&](std::string_view href, size_t at) {
            Check(at + href.size() <= topic.body.size(), "a link lies inside its topic");
            if (const auto number = hlp::LinkedTopic(href))
                Check(*number >= 1 && *number <= hlp::kMaxTopicNumber,
                      "a linked topic number is in range");
        });
    }
    return 0;
}
