#pragma once
// TfrmAbout: the program's about box. Fixed size, modal, with a picture of
// cards fanned out on the table's felt, the program's name, version, line
// and copyright, and an OK button (the default and the cancel button).

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include <functional>

class QShowEvent;

namespace velmora {

class ResourceLibrary;

class TfrmAbout : public QDialog {
public:
    static constexpr int kWidth = 480;
    static constexpr int kHeight = 212;

    // The cards of the picture come from `library` (drawn plain without
    // one). `play_sound` plays the about sound; the caller gives it only
    // when the sound is switched on. It is called each time the box opens.
    TfrmAbout(const ResourceLibrary* library, const QString& version, std::function<void()> play_sound = {},
              QWidget* owner = nullptr);

    QLabel* imgPicture;
    QLabel* lblProgram;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblCopyright;
    QPushButton* btnOK;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void StyleNameAndRule();

    std::function<void()> play_sound_;
};

// The picture at the left of the box, 150 by 184 pixels.
QImage DrawAboutPicture(const ResourceLibrary* library);

}  // namespace velmora
