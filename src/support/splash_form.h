#pragma once
// TfrmSplashForm: the product picture shown while the program starts.
// Borderless, above every other window, centred on the screen; it is hidden
// once the main window is up, not destroyed, and then lets go of what it
// held only to be seen.

#include <QImage>
#include <QWidget>

namespace velmora {

class ResourceLibrary;

class TfrmSplashForm : public QWidget {
  public:
    // The picture is taken here, once: the library may be released after.
    explicit TfrmSplashForm(const ResourceLibrary* library, QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }

    // Hidden for good: the picture and the window's pixels (its native
    // window and backing store) are given back.
    void Release();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QImage picture_;
};

}  // namespace velmora
