#pragma once
// The page area of the help window: a QTextBrowser that reads its pages from
// the help file's topics instead of from disk. A topic is addressed by the
// same URL its links use, "N.html", so the browser's own history (Back,
// Forward) and link following work on topics.

#include <QTextBrowser>
#include <QUrl>

#include <optional>

#include "platform/help_format.h"

namespace velmora {

// The topic number a URL names: a relative "N.html", nothing for any other.
std::optional<uint32_t> TopicOfUrl(const QUrl& url);
QUrl TopicUrl(uint32_t number);

class HelpBrowser : public QTextBrowser {
  public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // The topics served from now on; the history of the previous book is
    // dropped when `fresh` (another file).
    void SetBook(hlp::HelpBook book, bool fresh);
    const hlp::HelpBook& Book() const { return book_; }
    const hlp::Topic* Find(uint32_t number) const { return hlp::FindTopic(book_, number); }

    // Shows the topic (it must exist), as a step of the history.
    void Open(uint32_t number);
    // The topic shown, 0 before the first.
    uint32_t Current() const;

  protected:
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    hlp::HelpBook book_;
};

}  // namespace velmora
