#pragma once
// Links between help topics. A topic links to another with
// <a href="N.html">, N its topic number (leading zeros allowed, so the
// topic files' own names "3002.html" serve as links). The packer checks
// every link of every topic; the help window follows them. Standard library
// only.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::hlp {

// The topic number a link target names, or nothing for any other target.
std::optional<uint32_t> LinkedTopic(std::string_view href);

// Calls `visit` with each href="..." target of the page, in order, with its
// position and length in `html`.
template <typename Visit>
void ForEachLink(std::string_view html, Visit visit) {
    constexpr std::string_view kMarker = "href=\"";
    for (size_t at = html.find(kMarker); at != std::string_view::npos;
         at = html.find(kMarker, at)) {
        at += kMarker.size();
        const size_t end = html.find('"', at);
        if (end == std::string_view::npos) return;
        visit(html.substr(at, end - at), at);
        at = end;
    }
}

}  // namespace velmora::hlp
