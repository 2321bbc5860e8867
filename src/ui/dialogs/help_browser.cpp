#include "ui/dialogs/help_browser.h"

#include <QTextDocument>

#include <utility>

#include "platform/help_links.h"

namespace velmora {
namespace {

// Sized for reading at arm's length: body text a little above the usual
// interface size, headings in the program's dark blue, room between items.
const QString kPageStyle = QStringLiteral(
    "body { font-size: 11pt; color: #1e1e1e; }"
    "h1 { font-size: 16pt; font-weight: bold; color: #17457a; margin-top: 0px; margin-bottom: 8px; "
    "}"
    "h2 { font-size: 12.5pt; font-weight: bold; color: #17457a; margin-top: 14px; margin-bottom: "
    "4px; }"
    "p { margin-top: 0px; margin-bottom: 8px; }"
    "ul, ol { margin-top: 0px; margin-bottom: 8px; margin-left: 0px; }"
    "li { margin-bottom: 5px; }"
    "a { color: #1a5fb4; }");

constexpr qreal kPageMargin = 16;

}  // namespace

std::optional<uint32_t> TopicOfUrl(const QUrl& url) {
    if (!url.scheme().isEmpty() || !url.host().isEmpty()) return std::nullopt;
    return hlp::LinkedTopic(url.path().toStdString());
}

QUrl TopicUrl(uint32_t number) {
    return QUrl(QString::number(number) + QStringLiteral(".html"));
}

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("txtTopic"));
    // Links are followed by the window, which first checks the topic exists.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    document()->setDefaultStyleSheet(kPageStyle);
    document()->setDocumentMargin(kPageMargin);
    // Every page shown (opened, followed, Back, Forward) is a new document
    // content; the margin is set again for each, in case it was reset.
    connect(this, &QTextBrowser::sourceChanged, this,
            [this] { document()->setDocumentMargin(kPageMargin); });
    QFont page_font = font();
    page_font.setPointSizeF(11);
    setFont(page_font);
}

void HelpBrowser::SetBook(hlp::HelpBook book, bool fresh) {
    book_ = std::move(book);
    if (fresh) clearHistory();
}

void HelpBrowser::Open(uint32_t number) {
    const QUrl url = TopicUrl(number);
    if (Current() == number) {
        reload();  // the book may have been read again
    } else {
        setSource(url, QTextDocument::HtmlResource);
    }
}

uint32_t HelpBrowser::Current() const {
    return TopicOfUrl(source()).value_or(0);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const std::optional<uint32_t> number = TopicOfUrl(name);
    const hlp::Topic* topic = number ? Find(*number) : nullptr;
    if (type != QTextDocument::HtmlResource || !topic) return {};
    return QString::fromUtf8(topic->body.data(), static_cast<qsizetype>(topic->body.size()));
}

}  // namespace velmora
