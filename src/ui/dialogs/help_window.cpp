#include "ui/dialogs/help_window.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMessageBox>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/help_file.h"
#include "text/ascii_case.h"
#include "ui/dialogs/advanced_form.h"
#include "ui/dialogs/tab_order.h"
#include "ui/dialogs/window_fit.h"

namespace velmora {
namespace {

constexpr int kRulesWidth = 420;
constexpr int kProcWidth = 820;
constexpr int kProcHeight = 600;
constexpr int kScreenMargin = 8;
// A window manager may answer a move with a frame of another size; the
// frame is fitted a few times at most, never fought over.
constexpr int kFitTries = 3;

QString Quoted(const std::string& path) {
    return QStringLiteral("\"%1\"").arg(QString::fromStdString(path));
}

QString TitleOf(const hlp::Topic& topic) {
    return QString::fromStdString(topic.title);
}

// The rules window stands at the right of the screen, as tall as it allows,
// so that it sits beside the table rather than on it.
QRect RulesPlace(const QRect& screen) {
    const int width = std::min(kRulesWidth, screen.width() - 2 * kScreenMargin);
    const int height = screen.height() - 2 * kScreenMargin;
    return QRect(screen.right() + 1 - kScreenMargin - width, screen.top() + kScreenMargin, width,
                 height);
}

QRect ProcPlace(const QRect& screen) {
    const QSize size(std::min(kProcWidth, screen.width() - 2 * kScreenMargin),
                     std::min(kProcHeight, screen.height() - 2 * kScreenMargin));
    QRect place(QPoint(0, 0), size);
    place.moveCenter(screen.center());
    return place;
}

}  // namespace

HelpStyle HelpStyleOf(const std::string& window_name) {
    return SameIgnoringCase(window_name, "rules") ? HelpStyle::Rules : HelpStyle::Proc;
}

TfrmHelp::TfrmHelp(HelpStyle style, QWidget* owner)
    : QWidget(owner, Qt::Window),
      txtTopic(new HelpBrowser(this)),
      btnContents(new QPushButton(QStringLiteral("&Contents"), this)),
      btnBack(new QPushButton(QStringLiteral("&Back"), this)),
      btnForward(new QPushButton(QStringLiteral("&Forward"), this)),
      lstTopics(new QListWidget(this)),
      style_(style),
      owner_(owner) {
    setObjectName(style == HelpStyle::Rules ? QStringLiteral("frmHelpRules")
                                            : QStringLiteral("frmHelpProc"));
    btnContents->setObjectName(QStringLiteral("btnContents"));
    btnBack->setObjectName(QStringLiteral("btnBack"));
    btnForward->setObjectName(QStringLiteral("btnForward"));
    lstTopics->setObjectName(QStringLiteral("lstTopics"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnContents);
    buttons->addWidget(btnBack);
    buttons->addWidget(btnForward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addLayout(buttons);
    if (style == HelpStyle::Proc) {
        auto* panes = new QSplitter(this);
        panes->addWidget(lstTopics);
        panes->addWidget(txtTopic);
        panes->setStretchFactor(1, 1);
        panes->setSizes({220, kProcWidth - 220});
        layout->addWidget(panes, 1);
    } else {
        btnContents->hide();
        lstTopics->hide();
        layout->addWidget(txtTopic, 1);
    }

    // The topic list reads at the size of the pages' text, not the smaller
    // size of the buttons.
    QFont list_font = lstTopics->font();
    list_font.setPointSizeF(10.5);
    lstTopics->setFont(list_font);
    lstTopics->setSpacing(2);

    // The buttons along the top, then the topics at the left of the page.
    ChainTabOrder({btnContents, btnBack, btnForward, lstTopics, txtTopic});
    btnBack->setEnabled(false);
    btnForward->setEnabled(false);
    connect(btnBack, &QPushButton::clicked, txtTopic, &QTextBrowser::backward);
    connect(btnForward, &QPushButton::clicked, txtTopic, &QTextBrowser::forward);
    connect(txtTopic, &QTextBrowser::backwardAvailable, btnBack, &QWidget::setEnabled);
    connect(txtTopic, &QTextBrowser::forwardAvailable, btnForward, &QWidget::setEnabled);
    connect(btnContents, &QPushButton::clicked, this, [this] { Show(txtTopic->Book().contents); });
    connect(txtTopic, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& url) { FollowLink(url); });
    connect(txtTopic, &QTextBrowser::sourceChanged, this, [this] { TopicShown(); });
    connect(lstTopics, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) Show(item->data(Qt::UserRole).toUInt());
    });
    auto* close_key = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close_key, &QShortcut::activated, this, &QWidget::close);

    setWindowTitle(style == HelpStyle::Rules ? QStringLiteral("Velmora Rules")
                                             : QStringLiteral("Velmora Help"));
    ApplyAdvancedFormFont(*this);
}

bool TfrmHelp::ShowTopic(const std::string& path, int number) {
    if (!LoadBook(path)) return false;
    if (number < 1 || !txtTopic->Find(static_cast<uint32_t>(number))) {
        Inform(QStringLiteral("The help file %1 has no topic %2.").arg(Quoted(path)).arg(number));
        return false;
    }
    return Show(static_cast<uint32_t>(number));
}

bool TfrmHelp::ShowContents(const std::string& path) {
    return LoadBook(path) && Show(txtTopic->Book().contents);
}

// The file is read on every request, so a help file replaced while the
// program runs is seen at once.
bool TfrmHelp::LoadBook(const std::string& path) {
    std::string error;
    std::optional<hlp::HelpBook> book = hlp::LoadHelpFile(path, &error);
    if (!book) {
        Inform(QStringLiteral("Cannot open the help file %1: %2.")
                   .arg(Quoted(path), QString::fromStdString(error)));
        return false;
    }
    const bool fresh = path != path_;
    path_ = path;
    txtTopic->SetBook(std::move(*book), fresh);
    FillTopicList();
    return true;
}

bool TfrmHelp::Show(uint32_t number) {
    if (!txtTopic->Find(number)) return false;
    StayAboveModalDialog();
    PlaceOnFirstShowing();
    txtTopic->Open(number);
    TopicShown();
    show();
    raise();
    activateWindow();
    return true;
}

void TfrmHelp::FollowLink(const QUrl& url) {
    const std::optional<uint32_t> number = TopicOfUrl(url);
    if (number && txtTopic->Find(*number)) {
        Show(*number);
        return;
    }
    Inform(
        QStringLiteral("This link leads to no topic of the help file (%1).").arg(url.toString()));
}

void TfrmHelp::TopicShown() {
    const hlp::Topic* topic = txtTopic->Find(txtTopic->Current());
    const QString base = style_ == HelpStyle::Rules ? QStringLiteral("Velmora Rules")
                                                    : QStringLiteral("Velmora Help");
    setWindowTitle(topic ? base + QStringLiteral(" - ") + TitleOf(*topic) : base);
    for (int row = 0; row < lstTopics->count(); ++row) {
        QListWidgetItem* item = lstTopics->item(row);
        if (item->data(Qt::UserRole).toUInt() != txtTopic->Current()) continue;
        const QSignalBlocker quiet(lstTopics);
        lstTopics->setCurrentItem(item);
    }
}

// The contents first, then the topics in number order.
void TfrmHelp::FillTopicList() {
    const QSignalBlocker quiet(lstTopics);
    lstTopics->clear();
    const hlp::HelpBook& book = txtTopic->Book();
    auto add = [this](const hlp::Topic& topic) {
        auto* item = new QListWidgetItem(TitleOf(topic), lstTopics);
        item->setData(Qt::UserRole, topic.number);
    };
    if (const hlp::Topic* contents = txtTopic->Find(book.contents)) add(*contents);
    std::vector<const hlp::Topic*> others;
    for (const hlp::Topic& topic : book.topics)
        if (topic.number != book.contents) others.push_back(&topic);
    std::sort(others.begin(), others.end(), [](auto* a, auto* b) { return a->number < b->number; });
    for (const hlp::Topic* topic : others) add(*topic);
}

QRect TfrmHelp::AvailableArea() const {
    const QScreen* screen =
        parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The place is the frame's. Until the window manager has framed this
// window, the frame of the window it belongs to tells how thick it will be.
void TfrmHelp::PlaceOnFirstShowing() {
    if (placed_) return;
    placed_ = true;
    const QRect available = AvailableArea();
    if (available.isEmpty()) return;
    wanted_frame_ = style_ == HelpStyle::Rules ? RulesPlace(available) : ProcPlace(available);
    const QWidget* framed = parentWidget() ? parentWidget()->window() : nullptr;
    const QMargins margins =
        framed && framed->isVisible() ? FrameMargins(framed->frameGeometry(), framed->geometry()) : QMargins();
    setGeometry(ClientOfFrame(wanted_frame_, margins));
    fit_tries_ = kFitTries;
}

void TfrmHelp::FitFrame() {
    if (fit_tries_ <= 0 || !isVisible()) return;
    const QMargins margins = FrameMargins(frameGeometry(), geometry());
    if (margins.isNull()) return;  // not framed yet
    const QRect available = AvailableArea();
    if (available.contains(frameGeometry())) {
        // On the screen whole: from now on the player places it.
        fit_tries_ = 0;
        return;
    }
    --fit_tries_;
    setGeometry(ClientOfFrame(FrameInside(wanted_frame_, available), margins));
}

void TfrmHelp::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    FitFrame();
}

void TfrmHelp::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitFrame();
}

void TfrmHelp::StayAboveModalDialog() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == this || modal == parentWidget() || isAncestorOf(modal)) return;
    Reparent(modal);
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        connect(dialog, &QDialog::finished, this, [this] { Reparent(owner_); }, Qt::SingleShotConnection);
}

void TfrmHelp::Reparent(QWidget* parent) {
    if (parent == parentWidget()) return;
    const bool shown = isVisible();
    const QRect place = geometry();
    setParent(parent, windowFlags());
    if (placed_) setGeometry(place);
    if (!shown) return;
    show();
    // Still being read: it stays in front of the window it returns to.
    raise();
}

void TfrmHelp::Inform(const QString& text) {
    if (inform_) {
        inform_(text);
        return;
    }
    QMessageBox::information(isVisible() ? this : parentWidget(), QStringLiteral("Information"),
                             text);
}

HelpWindows::~HelpWindows() {
    if (!owner_) {
        delete rules_.data();
        delete proc_.data();
    }
}

TfrmHelp& HelpWindows::Window(HelpStyle style) {
    QPointer<TfrmHelp>& window = style == HelpStyle::Rules ? rules_ : proc_;
    if (!window) {
        window = new TfrmHelp(style, owner_);
        window->SetInform(inform_);
    }
    return *window;
}

void HelpWindows::ShowTopic(const std::string& help_file, int context) {
    const hlp::HelpRequest request = hlp::SplitHelpFile(help_file);
    Window(HelpStyleOf(request.window)).ShowTopic(request.path, context);
}

void HelpWindows::ShowContents(const std::string& help_file) {
    const hlp::HelpRequest request = hlp::SplitHelpFile(help_file);
    Window(HelpStyleOf(request.window)).ShowContents(request.path);
}

void HelpWindows::SetInform(HelpInform inform) {
    inform_ = std::move(inform);
    if (rules_) rules_->SetInform(inform_);
    if (proc_) proc_->SetInform(inform_);
}

}  // namespace velmora
