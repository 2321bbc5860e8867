#include "art/fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QString>
#include <QStringList>

namespace velmora::art {

namespace {

constexpr const char* kFontFolder = "/usr/share/fonts/truetype/dejavu/";
constexpr const char* kFontFiles[] = {
    "DejaVuSans.ttf",       "DejaVuSans-Bold.ttf",           "DejaVuSansCondensed-Bold.ttf",
    "DejaVuSerif-Bold.ttf", "DejaVuSerifCondensed-Bold.ttf",
};
// The families MakeFont asks for.
constexpr const char* kFamilies[] = {"DejaVu Sans", "DejaVu Sans Condensed", "DejaVu Serif",
                                     "DejaVu Serif Condensed"};

}  // namespace

bool LoadFontsFrom(const QString& folder) {
    bool all = true;
    for (const char* file : kFontFiles) {
        all = QFontDatabase::addApplicationFont(folder + file) >= 0 && all;
    }
    return all;
}

bool CardFamiliesKnown(const QStringList& families) {
    for (const char* family : kFamilies) {
        if (!families.contains(QLatin1String(family), Qt::CaseInsensitive)) return false;
    }
    return true;
}

// The font configuration indexes the package's folder, so on a system with
// the package these very files back the families already. Registering them
// again holds the font database for about a millisecond at every start,
// while the window waits for it to letter its menus.
bool LoadFonts() {
    static const bool loaded = CardFamiliesKnown(QFontDatabase::families()) || LoadFontsFrom(kFontFolder);
    return loaded;
}

QFont MakeFont(Face face, int pixel_size) {
    QString family = "DejaVu Sans";
    bool bold = true;
    switch (face) {
        case Face::Sans:
            bold = false;
            break;
        case Face::SansBold:
            break;
        case Face::SansCondensedBold:
            family = "DejaVu Sans Condensed";
            break;
        case Face::SerifBold:
            family = "DejaVu Serif";
            break;
        case Face::SerifCondensedBold:
            family = "DejaVu Serif Condensed";
            break;
    }
    QFont font(family);
    font.setPixelSize(pixel_size);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferAntialias));
    font.setKerning(true);
    return font;
}

void DrawIndexText(QPainter& painter, const QString& text, const QRectF& box, const QFont& font,
                   QColor colour) {
    const QFontMetricsF metrics(font);
    const QRectF cap = metrics.tightBoundingRect("E");
    const QRectF ink = metrics.tightBoundingRect(text);
    const double squeeze = ink.width() > box.width() ? box.width() / ink.width() : 1.0;
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    const double x = box.center().x() - (ink.left() + ink.width() / 2) * squeeze;
    const double y = box.top() - cap.top();
    painter.translate(x, y);
    painter.scale(squeeze, 1.0);
    painter.drawText(QPointF(0, 0), text);
    painter.restore();
}

}  // namespace velmora::art
