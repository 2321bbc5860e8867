#pragma once
// The help window: shows the topics of the help file (tabloria.hlp). It is a
// top-level window that stays open beside the game. The window name of a help
// request picks its style:
//   "rules"  a tall narrow window at the right of the screen, beside the
//            table, for reading a game's rules while playing;
//   "proc"   (and any other name) a larger window with the list of topics
//            and a Contents button.
// Links between topics are followed, with Back and Forward. A help file that
// cannot be read or a topic it does not hold gives an information message
// and leaves the window as it was.

#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <string>

#include "ui/dialogs/help_browser.h"

namespace velmora {

enum class HelpStyle { Rules, Proc };

// The style of a window name ("rules" without regard to case, else Proc).
HelpStyle HelpStyleOf(const std::string& window_name);

// Shows a message to the player (an information box unless replaced).
using HelpInform = std::function<void(const QString& text)>;

class TfrmHelp : public QWidget {
  public:
    explicit TfrmHelp(HelpStyle style, QWidget* owner = nullptr);

    // Reads the help file at `path` and shows topic `number`, or the contents
    // topic; false, after the message, when that cannot be done.
    bool ShowTopic(const std::string& path, int number);
    bool ShowContents(const std::string& path);
    void SetInform(HelpInform inform) { inform_ = std::move(inform); }

    HelpStyle Style() const { return style_; }
    uint32_t CurrentTopic() const { return txtTopic->Current(); }

    HelpBrowser* txtTopic;
    QPushButton* btnContents;  // the Proc style only
    QPushButton* btnBack;
    QPushButton* btnForward;
    QListWidget* lstTopics;  // the Proc style only

  private:
    bool LoadBook(const std::string& path);
    bool Show(uint32_t number);
    void FollowLink(const QUrl& url);
    void TopicShown();
    void FillTopicList();
    void PlaceOnFirstShowing();
    QRect AvailableArea() const;
    // Moves the window so its frame lies at the place chosen, once the
    // window manager's frame is known.
    void FitFrame();
    // A window a modal dialog would block goes in front of that dialog,
    // as its own window, and back to its owner when the dialog ends.
    void StayAboveModalDialog();
    void Reparent(QWidget* parent);
    void Inform(const QString& text);

    HelpStyle style_;
    HelpInform inform_;
    std::string path_;
    bool placed_ = false;
    QPointer<QWidget> owner_;  // the window it was made for
    QRect wanted_frame_;
    int fit_tries_ = 0;

  protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

// The help windows of the program, one per style, made when first needed:
// what the help commands call with the program's help file names
// ("<folder>tabloria.hlp>rules").
class HelpWindows {
  public:
    explicit HelpWindows(QWidget* owner = nullptr) : owner_(owner) {}
    ~HelpWindows();
    HelpWindows(const HelpWindows&) = delete;
    HelpWindows& operator=(const HelpWindows&) = delete;

    void ShowTopic(const std::string& help_file, int context);
    void ShowContents(const std::string& help_file);
    void SetInform(HelpInform inform);

    // The window of that style, made when missing.
    TfrmHelp& Window(HelpStyle style);

  private:
    QWidget* owner_;
    HelpInform inform_;
    // Owned by `owner_` when there is one (and then gone with it), else here.
    QPointer<TfrmHelp> rules_;
    QPointer<TfrmHelp> proc_;
};

}  // namespace velmora
