#include "help_pack.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>

#include "platform/help_links.h"
#include "text/whole_file.h"

namespace velmora::helppack {
namespace {

constexpr std::string_view kHtml = ".html";

// The topic number a page's file name gives it.
std::optional<uint32_t> PageNumber(const std::string& name) {
    if (name == kContentsPage) return kContentsTopic;
    return hlp::LinkedTopic(name);
}

// The text of the page's first <h1>, which must be plain text.
std::string Title(const std::string& html, std::string* fault) {
    const size_t open = html.find("<h1>");
    const size_t close = open == std::string::npos ? open : html.find("</h1>", open);
    if (close == std::string::npos) {
        *fault = "no <h1> title";
        return {};
    }
    std::string title = html.substr(open + 4, close - open - 4);
    std::replace(title.begin(), title.end(), '\n', ' ');
    if (title.find_first_of("<&") != std::string::npos)
        *fault = "the title holds markup or an entity";
    return title;
}

// The page with each link to a page of the folder written as "N.html"; a
// fault for any other link.
std::string ResolveLinks(const std::string& html,
                         const std::map<std::string, uint32_t>& page_numbers,
                         std::vector<std::string>* faults) {
    std::string out;
    size_t copied = 0;
    hlp::ForEachLink(html, [&](std::string_view href, size_t at) {
        const auto page = page_numbers.find(std::string(href));
        if (page == page_numbers.end()) {
            faults->push_back("link to " + std::string(href) + ", which is no topic");
            return;
        }
        out.append(html, copied, at - copied);
        out += std::to_string(page->second) + std::string(kHtml);
        copied = at + href.size();
    });
    out.append(html, copied);
    return out;
}

}  // namespace

PackResult PackPages(const std::vector<Page>& pages) {
    PackResult result;
    result.book.contents = kContentsTopic;
    std::map<std::string, uint32_t> page_numbers;
    std::map<uint32_t, std::string> number_pages;
    for (const Page& page : pages) {
        const std::optional<uint32_t> number = PageNumber(page.name);
        if (!number) {
            result.errors.push_back(page.name + ": not a topic name (NNNN.html or contents.html)");
            continue;
        }
        const auto [first, fresh] = number_pages.emplace(*number, page.name);
        if (!fresh) {
            result.errors.push_back(page.name + ": topic " + std::to_string(*number) + " is also " +
                                    first->second);
            continue;
        }
        page_numbers[page.name] = *number;
    }
    if (!number_pages.count(kContentsTopic))
        result.errors.push_back(std::string(kContentsPage) + ": missing");

    for (const Page& page : pages) {
        const auto number = page_numbers.find(page.name);
        if (number == page_numbers.end()) continue;  // refused above
        std::string fault;
        hlp::Topic topic{number->second, Title(page.html, &fault), {}};
        if (!fault.empty()) result.errors.push_back(page.name + ": " + fault);
        std::vector<std::string> link_faults;
        topic.body = ResolveLinks(page.html, page_numbers, &link_faults);
        for (const std::string& f : link_faults) result.errors.push_back(page.name + ": " + f);
        result.book.topics.push_back(std::move(topic));
    }
    std::sort(result.book.topics.begin(), result.book.topics.end(),
              [](const hlp::Topic& a, const hlp::Topic& b) { return a.number < b.number; });
    if (result.errors.empty()) {
        const std::string fault = hlp::BookFault(result.book);
        if (!fault.empty()) result.errors.push_back(fault);
    }
    return result;
}

bool ReadPages(const std::string& folder, std::vector<Page>* pages, std::string* error) {
    namespace fs = std::filesystem;
    std::error_code code;
    fs::directory_iterator entries(folder, code);
    if (code) {
        *error = folder + ": " + code.message();
        return false;
    }
    pages->clear();
    for (const fs::directory_entry& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (name.size() <= kHtml.size() ||
            name.compare(name.size() - kHtml.size(), kHtml.size(), kHtml) != 0)
            continue;
        Page page{name, {}};
        if (!ReadRegularFile(entry.path().string(), page.html)) {
            *error = entry.path().string() + ": cannot be read";
            return false;
        }
        pages->push_back(std::move(page));
    }
    // Directory order differs between machines; the file must not.
    std::sort(pages->begin(), pages->end(),
              [](const Page& a, const Page& b) { return a.name < b.name; });
    return true;
}

}  // namespace velmora::helppack
