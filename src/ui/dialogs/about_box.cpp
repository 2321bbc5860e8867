#include "ui/dialogs/about_box.h"

#include <QFrame>
#include <QPainter>
#include <QRadialGradient>
#include <QShowEvent>

#include <vector>

#include "platform/resource_library.h"
#include "render/card_fan.h"
#include "ui/dialogs/advanced_form.h"

namespace velmora {
namespace {

constexpr int kPictureWidth = 150;
constexpr int kPictureHeight = 184;
constexpr int kMargin = 14;
constexpr int kTextLeft = kMargin + kPictureWidth + 20;
constexpr int kTextWidth = TfrmAbout::kWidth - kTextLeft - kMargin;

const QString kProgramName = QStringLiteral("Velmora");

// The fanned cards left to right (the last lies on top), turned about a
// point below their lower edges.
const std::vector<FanCard> kFan = {{kFanSpades, 1, -15.0}, {kFanHearts, 12, 0.0}, {kFanClubs, 13, 15.0}};
const FanLook kFanLook{QPointF(kPictureWidth / 2.0, 180.0), 30.0, {{QPointF(2.0, 2.5), 0.0, 60}},
                       QColor(70, 70, 70, 170)};

void PaintFelt(QPainter& painter) {
    const QRectF panel(0.5, 0.5, kPictureWidth - 1, kPictureHeight - 1);
    QRadialGradient light(QPointF(kPictureWidth / 2.0, kPictureHeight * 0.4), kPictureHeight * 0.75);
    light.setColorAt(0.0, QColor(28, 140, 64));
    light.setColorAt(0.6, QColor(10, 100, 42));
    light.setColorAt(1.0, QColor(2, 52, 22));
    painter.setPen(QPen(QColor(0, 40, 14), 1.0));
    painter.setBrush(light);
    painter.drawRoundedRect(panel, 8, 8);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(222, 190, 104, 200), 1.2));
    painter.drawRoundedRect(panel.adjusted(4.5, 4.5, -4.5, -4.5), 5, 5);
}

QLabel* TextLabel(QWidget* owner, const char* name, const QString& text, int top, int height) {
    auto* label = new QLabel(text, owner);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(kTextLeft, top, kTextWidth, height);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

}  // namespace

QImage DrawAboutPicture(const ResourceLibrary* library) {
    QImage picture(kPictureWidth, kPictureHeight, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    PaintFelt(painter);
    PaintCardFan(painter, library, kFan, kFanLook);
    return picture;
}

TfrmAbout::TfrmAbout(const ResourceLibrary* library, const QString& version, std::function<void()> play_sound,
                     QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      imgPicture(new QLabel(this)),
      lblProgram(TextLabel(this, "lblProgram", kProgramName, 16, 38)),
      lblVersion(TextLabel(this, "lblVersion", QStringLiteral("Version ") + version, 58, 20)),
      lblDescription(TextLabel(this, "lblDescription", QStringLiteral("Solitaire card games"), 80, 20)),
      lblCopyright(
          TextLabel(this, "lblCopyright", QStringLiteral("Copyright (C) 2026 the Velmora developers"), 124, 20)),
      btnOK(new QPushButton(QStringLiteral("OK"), this)),
      play_sound_(std::move(play_sound)) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + kProgramName);
    setModal(true);
    setFixedSize(kWidth, kHeight);
    imgPicture->setObjectName(QStringLiteral("imgPicture"));
    imgPicture->setGeometry(kMargin, kMargin, kPictureWidth, kPictureHeight);
    imgPicture->setPixmap(QPixmap::fromImage(DrawAboutPicture(library)));
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(kWidth - kMargin - 75, kHeight - kMargin - 25, 75, 25);
    btnOK->setDefault(true);  // Enter; Escape closes the box as well
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    ApplyAdvancedFormFont(*this);
    StyleNameAndRule();
}

// After the form's font rule, so the name takes the form's family.
void TfrmAbout::StyleNameAndRule() {
    QFont title = font();
    title.setPixelSize(28);
    title.setBold(true);
    lblProgram->setFont(title);
    QPalette name_colour = lblProgram->palette();
    name_colour.setColor(QPalette::WindowText, QColor(14, 96, 44));
    lblProgram->setPalette(name_colour);
    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("bvlRule"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(kTextLeft, 110, kTextWidth, 2);
}

void TfrmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Not when the window system shows it again (after a minimise, say).
    if (!event->spontaneous() && play_sound_) play_sound_();
}

}  // namespace velmora
