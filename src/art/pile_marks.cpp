// Empty-pile marks: a faint card outline on a darker ground, with the rank
// a pile must start with or a sign for what the stock will do.

#include "art/pile_marks.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "art/fonts.h"
#include "art/pips.h"
#include "art/shapes.h"

namespace velmora::art {

namespace {

const QColor kGround(20, 78, 36);
const QColor kEdge(150, 200, 160);
const QColor kSign(120, 178, 132);

enum class Sign { None, Rank, Ring, Dot, Cross, Redeal, Star, Suits, Cell, Waste };

struct MarkDesign {
    const char* code;
    Sign sign;
    const char* rank;
};

// Rank marks stand for the rank a pile must start with; the others for
// foundations without one, reserves, and the stock's states.
constexpr MarkDesign kMarks[] = {
    {"001", Sign::Cell, ""},      {"003", Sign::Rank, "Q"},  {"004", Sign::Ring, ""},
    {"005", Sign::Suits, ""},     {"006", Sign::Rank, "J"},  {"008", Sign::Cross, ""},
    {"009", Sign::Star, ""},      {"010", Sign::Rank, "A"},  {"011", Sign::Rank, "K"},
    {"012", Sign::Rank, "2"},     {"013", Sign::Rank, "3"},  {"014", Sign::Rank, "4"},
    {"015", Sign::Rank, "5"},     {"016", Sign::Rank, "6"},  {"017", Sign::Rank, "7"},
    {"018", Sign::Rank, "8"},     {"019", Sign::Rank, "9"},  {"020", Sign::Rank, "10"},
    {"021", Sign::Dot, ""},       {"022", Sign::Redeal, ""}, {"_WASTE", Sign::Waste, ""},
    {"_TABLEAU", Sign::None, ""},
};

const MarkDesign& DesignFor(const std::string& code) {
    for (const MarkDesign& design : kMarks) {
        if (code == design.code) {
            return design;
        }
    }
    return kMarks[std::size(kMarks) - 1];
}

void DrawRank(QPainter& p, const CardSize& size, const QString& rank) {
    const double height = size.small() ? 11 : size.height * 0.27;
    const double width = size.width * (rank.size() > 1 ? 0.62 : 0.5);
    const QFont font = MakeFont(Face::SansBold, static_cast<int>(std::lround(height / 0.73)));
    DrawIndexText(p, rank,
                  QRectF((size.width - width) / 2, (size.height - height) / 2, width, height), font,
                  kSign);
}

// A circular arrow: the stock can be dealt again.
void DrawRedeal(QPainter& p, QPointF centre, double radius, double stroke) {
    p.setPen(RoundPen(kSign, stroke));
    p.setBrush(Qt::NoBrush);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.drawArc(box, 120 * 16, 290 * 16);
    // Arrow head at the end of the arc (at 50 degrees, running clockwise).
    const double angle = 50 * std::numbers::pi / 180;
    const QPointF tip = centre + QPointF(radius * std::cos(angle), -radius * std::sin(angle));
    const double head = stroke * 2.2;
    QPainterPath arrow;
    arrow.moveTo(tip + QPointF(-head * 1.1, -head * 0.4));
    arrow.lineTo(tip + QPointF(head * 0.5, head * 1.1));
    arrow.lineTo(tip + QPointF(head * 1.2, -head * 0.9));
    arrow.closeSubpath();
    p.setBrush(kSign);
    p.setPen(Qt::NoPen);
    p.drawPath(arrow);
}

void DrawSign(QPainter& p, const CardSize& size, const MarkDesign& design) {
    const QPointF centre(size.width / 2.0, size.height / 2.0);
    const double unit = size.width / 71.0;  // 1 on big cards
    const double stroke = std::max(1.5, 4 * unit);
    switch (design.sign) {
        case Sign::None:
            break;
        case Sign::Rank:
            DrawRank(p, size, design.rank);
            break;
        case Sign::Ring:
            p.setPen(RoundPen(kSign, stroke));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(centre, 20 * unit + 1, 20 * unit + 1);
            break;
        case Sign::Dot:
            p.setPen(Qt::NoPen);
            p.setBrush(kSign);
            p.drawEllipse(centre, 14 * unit + 1, 14 * unit + 1);
            break;
        case Sign::Cross: {
            const double r = 18 * unit + 1;
            p.setPen(RoundPen(kSign, stroke * 1.4));
            p.drawLine(centre + QPointF(-r, -r), centre + QPointF(r, r));
            p.drawLine(centre + QPointF(-r, r), centre + QPointF(r, -r));
            break;
        }
        case Sign::Redeal:
            DrawRedeal(p, centre, 19 * unit + 1.5, stroke);
            break;
        case Sign::Star:
            p.setPen(Qt::NoPen);
            p.setBrush(kSign);
            p.drawPath(Star(centre, 22 * unit + 1.5, 9 * unit + 0.8));
            break;
        case Sign::Suits: {
            const double d = 12 * unit + 1;
            const double w = 15 * unit + 1;
            const QPointF spots[] = {{-d, -d}, {d, -d}, {-d, d}, {d, d}};
            for (Suit suit : kSuits) {
                DrawPip(p, suit, PipBox(centre + spots[static_cast<int>(suit)], w), kSign);
            }
            break;
        }
        case Sign::Cell: {
            const double inset = std::max(3.0, 9 * unit);
            p.setPen(QPen(kSign, std::max(1.0, 2 * unit)));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(inset, inset, size.width - 2 * inset, size.height - 2 * inset),
                              3 * unit + 1, 3 * unit + 1);
            break;
        }
        case Sign::Waste: {
            QPen dashes(kSign, std::max(1.0, 2 * unit));
            dashes.setDashPattern({2, 2});
            p.setPen(dashes);
            p.setBrush(Qt::NoBrush);
            const double inset = std::max(3.0, 7 * unit);
            p.drawRect(QRectF(inset, inset, size.width - 2 * inset, size.height - 2 * inset));
            break;
        }
    }
}

}  // namespace

QImage DrawPileMark(const CardSize& size, const std::string& code, double scale) {
    QImage mark = BlankCard(size, kGround, kEdge, scale);
    {
        QPainter p(&mark);
        p.setRenderHint(QPainter::Antialiasing, true);
        DrawSign(p, size, DesignFor(code));
    }
    ClearCorners(mark, size);
    return mark;
}

}  // namespace velmora::art
