#include "ui/dialogs/about_box.h"

#include <QFrame>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QShowEvent>

#include <array>

#include "platform/resource_library.h"
#include "render/card_images.h"
#include "ui/dialogs/advanced_form.h"

namespace velmora {
namespace {

constexpr int kPictureWidth = 150;
constexpr int kPictureHeight = 184;
constexpr int kMargin = 14;
constexpr int kTextLeft = kMargin + kPictureWidth + 20;
constexpr int kTextWidth = TfrmAbout::kWidth - kTextLeft - kMargin;
constexpr double kCardRadius = 4.0;

const QString kProgramName = QStringLiteral("Velmora");

// The card image order of the suits, and the fanned cards left to right
// (the last lies on top).
constexpr int kHearts = 0, kDiamonds = 1, kClubs = 2, kSpades = 3;
constexpr int kRanks = 13;
struct FannedCard {
    int suit;
    int rank;  // 1 ace .. 13 king
    double angle;
};
constexpr std::array<FannedCard, 3> kFan = {{{kSpades, 1, -15.0}, {kHearts, 12, 0.0}, {kClubs, 13, 15.0}}};
// The fan turns about a point below the cards' lower edges.
const QPointF kFanPivot(kPictureWidth / 2.0, 180.0);
constexpr double kPivotBelowCards = 30.0;

QString RankText(int rank) {
    if (rank == 1) return QStringLiteral("A");
    if (rank > 10) return QString(QLatin1Char("JQK"[rank - 11]));
    return QString::number(rank);
}

// A face for a library without card pictures: its rank in the corner and
// its suit large on white.
QImage PlainFace(int suit, int rank) {
    static constexpr std::array<char16_t, 4> kSymbols = {u'\u2665', u'\u2666', u'\u2663', u'\u2660'};
    const CardSize size;
    QImage face(size.width, size.height, QImage::Format_RGB32);
    face.fill(QColor(252, 252, 248));
    QPainter painter(&face);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(suit == kHearts || suit == kDiamonds ? QColor(196, 24, 32) : QColor(24, 24, 24));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(15);
    painter.setFont(font);
    painter.drawText(QRect(4, 3, 20, 18), Qt::AlignHCenter | Qt::AlignTop, RankText(rank));
    font.setBold(false);
    font.setPixelSize(size.height / 2);
    painter.setFont(font);
    painter.drawText(face.rect(), Qt::AlignCenter, QString(QChar(kSymbols[static_cast<size_t>(suit)])));
    return face;
}

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

void PaintFannedCard(QPainter& painter, const QImage& face, double angle) {
    const QRectF card(-face.width() / 2.0, -kPivotBelowCards - face.height(), face.width(), face.height());
    QPainterPath outline;
    outline.addRoundedRect(card, kCardRadius, kCardRadius);
    painter.save();
    painter.translate(kFanPivot);
    painter.rotate(angle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawPath(outline.translated(2.0, 2.5));  // the card's shadow on the felt
    painter.setClipPath(outline);
    painter.drawImage(card.topLeft(), face);
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(70, 70, 70, 170), 0.8));
    painter.drawPath(outline);
    painter.restore();
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
    CardImages images;
    if (library) images.Load(*library, CardImageChoice{});
    for (const FannedCard& card : kFan) {
        QImage face = images.Face(card.suit * kRanks + card.rank - 1).Image();
        if (face.isNull()) face = PlainFace(card.suit, card.rank);
        PaintFannedCard(painter, face, card.angle);
    }
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
