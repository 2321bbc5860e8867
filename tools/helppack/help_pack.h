#pragma once
// Packing the players' help pages of data/help into the help file. Each page
// is one topic: "NNNN.html" is topic NNNN, "contents.html" the contents
// topic. The topic's title is the text of the page's <h1>. Every link must
// name a page of the folder; links to "contents.html" are written as links to
// the contents topic's number, the one link form the help window follows.

#include <string>
#include <vector>

#include "platform/help_format.h"

namespace velmora::helppack {

// The contents page is this topic.
constexpr uint32_t kContentsTopic = 1;
constexpr const char* kContentsPage = "contents.html";

struct Page {
    std::string name;  // the file name, without folder
    std::string html;
};

struct PackResult {
    hlp::HelpBook book;
    std::vector<std::string> errors;  // "<page>: <what is wrong>"; empty when the book is sound
};

// The book of `pages`, topics in number order.
PackResult PackPages(const std::vector<Page>& pages);

// Every "*.html" file of `folder` (other files, such as a README, are left
// out); false with a reason when the folder cannot be read.
bool ReadPages(const std::string& folder, std::vector<Page>* pages, std::string* error);

}  // namespace velmora::helppack
