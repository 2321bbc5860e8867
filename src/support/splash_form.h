#pragma once
// TfrmSplashForm: the product picture shown while the program starts.
// Borderless, above every other window, centred on the screen; it is hidden
// once the main window is up, not destroyed.

#include <QImage>
#include <QWidget>

namespace velmora {

class ResourceLibrary;

class TfrmSplashForm : public QWidget {
  public:
    // The picture is taken here, once: the library may be released after.
    explicit TfrmSplashForm(const ResourceLibrary* library, QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QImage picture_;
};

}  // namespace velmora
