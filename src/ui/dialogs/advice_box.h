#pragma once
// TfrmMsgAdvice: an advice message with a picture and a "don't show again"
// check box. Fixed size, centred on the screen, no title-bar buttons; OK
// closes it.

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

namespace velmora {

class TfrmMsgAdvice : public QDialog {
public:
    // The picture pages of the notebook.
    static constexpr int kColorPage = 0;
    static constexpr int k640x480Page = 1;

    explicit TfrmMsgAdvice(QWidget* owner = nullptr);

    void SetMessage(const QString& text) { lblMessage->setText(text); }
    // Shows picture page `page`; a page that does not exist leaves page 0.
    void ShowPage(int page);
    bool DontShowAgain() const { return chkNotDisplay->isChecked(); }

    QStackedWidget* nbkPictures;
    QLabel* lblMessage;
    QCheckBox* chkNotDisplay;
    QPushButton* btnOK;

private:
    void AddPicturePage(const QString& name, const QPixmap& picture);
};

}  // namespace velmora
