#include "support/splash_form.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "support/splash_picture.h"

namespace velmora {

TfrmSplashForm::TfrmSplashForm(const ResourceLibrary* library, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(SplashPicture(library)) {
    setObjectName(QStringLiteral("frmSplashForm"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(kSplashWidth, kSplashHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TfrmSplashForm::Release() {
    hide();
    picture_ = QImage();
    destroy();
}

void TfrmSplashForm::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

// Painted anew whenever it is shown or brought to the front.
void TfrmSplashForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    update();
}

void TfrmSplashForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) update();
}

}  // namespace velmora
