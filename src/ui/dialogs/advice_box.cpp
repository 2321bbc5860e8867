#include "ui/dialogs/advice_box.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "ui/dialogs/advanced_form.h"

namespace velmora {
namespace {

constexpr int kPictureWidth = 65;
constexpr int kPictureHeight = 81;

// Page "Color": a fan of colour swatches.
QPixmap ColourPicture() {
    QPixmap picture(kPictureWidth, kPictureHeight);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colours[] = {QColor(220, 40, 40), QColor(240, 160, 20), QColor(230, 220, 40),
                              QColor(40, 170, 60), QColor(40, 110, 220), QColor(130, 60, 190)};
    int y = 6;
    for (const QColor& colour : colours) {
        painter.setPen(colour.darker(140));
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(8, y, 49, 10), 3, 3);
        y += 12;
    }
    return picture;
}

// Page "640x480": a small screen showing its size.
QPixmap ScreenPicture() {
    QPixmap picture(kPictureWidth, kPictureHeight);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 2));
    painter.setBrush(QColor(20, 90, 40));
    painter.drawRoundedRect(QRectF(4, 14, 57, 42), 4, 4);
    painter.setBrush(QColor(110, 110, 110));
    painter.drawRect(QRectF(26, 57, 13, 8));
    painter.drawRect(QRectF(16, 65, 33, 4));
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    painter.drawText(QRectF(4, 14, 57, 42), Qt::AlignCenter, QStringLiteral("640x480"));
    return picture;
}

}  // namespace

TfrmMsgAdvice::TfrmMsgAdvice(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      nbkPictures(new QStackedWidget(this)),
      lblMessage(new QLabel(this)),
      chkNotDisplay(new QCheckBox(QStringLiteral("&Don't show this message box again"), this)),
      btnOK(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("frmMsgAdvice"));
    setWindowTitle(QStringLiteral("Information"));
    setFixedSize(418, 177);
    nbkPictures->setObjectName(QStringLiteral("nbkPictures"));
    nbkPictures->setGeometry(10, 10, kPictureWidth, kPictureHeight);
    AddPicturePage(QStringLiteral("Color"), ColourPicture());
    AddPicturePage(QStringLiteral("640x480"), ScreenPicture());
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setGeometry(84, 10, 326, 97);
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    chkNotDisplay->setObjectName(QStringLiteral("chkNotDisplay"));
    chkNotDisplay->setGeometry(84, 114, 326, 22);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(335, 142, 75, 25);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    ApplyAdvancedFormFont(*this);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TfrmMsgAdvice::AddPicturePage(const QString& name, const QPixmap& picture) {
    auto* page = new QLabel(nbkPictures);
    page->setObjectName(name);
    page->setPixmap(picture);
    page->setAlignment(Qt::AlignCenter);
    nbkPictures->addWidget(page);
}

void TfrmMsgAdvice::ShowPage(int page) {
    nbkPictures->setCurrentIndex(page >= 0 && page < nbkPictures->count() ? page : kColorPage);
}

}  // namespace velmora
