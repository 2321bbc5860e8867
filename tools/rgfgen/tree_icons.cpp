// Icons of the game tree and of the customize dialog's trees. All sit on
// the tree views' mask colour.

#include <QPainterPath>
#include <string>
#include <utility>
#include <vector>

#include "art/fonts.h"
#include "art_names.h"
#include "icons.h"
#include "art/pips.h"
#include "resource_sink.h"
#include "art/shapes.h"

namespace velmora::rgfgen {

namespace {

using Paint = std::function<void(QPainter&)>;

const QColor kInk(30, 30, 30);

void StarBadge(QPainter& p, QPointF centre, double outer, QColor colour) {
    FillPath(p, Star(centre, outer, outer * 0.45), colour, RoundPen(colour.darker(160)));
}

void Letter(QPainter& p, const QRectF& box, const QString& text, QColor colour) {
    p.setFont(MakeFont(Face::SansBold, static_cast<int>(box.height())));
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

// Columns of overlapping little cards; `heights` gives the cards per column.
void Columns(QPainter& p, double top, std::initializer_list<int> heights, double width = 3) {
    double x = 0.5;
    const double step = 15.0 / heights.size();
    for (int count : heights) {
        for (int i = 0; i < count; ++i) {
            MiniCard(p, QRectF(x, top + i * 2, width, 4));
        }
        x += step;
    }
}

// Emblems: small pictures that tell the game types apart.
const std::vector<std::pair<std::string, Paint>>& TypeEmblems() {
    static const std::vector<std::pair<std::string, Paint>> kEmblems = {
        {"CANFIELD",
         [](QPainter& p) {
             MiniCard(p, QRectF(0.5, 0.5, 5, 7), false);
             Columns(p, 9, {2, 2, 2}, 3);
             MiniCard(p, QRectF(7.5, 0.5, 3, 4));
             MiniCard(p, QRectF(11.5, 0.5, 3, 4));
         }},
        {"FORTYTHIEVES",
         [](QPainter& p) {
             for (int i = 0; i < 4; ++i) {
                 MiniCard(p, QRectF(0.5 + i * 4, 0.5, 3, 4));
             }
             Columns(p, 6, {4, 3, 4, 3}, 3);
         }},
        {"FREECELL",
         [](QPainter& p) {
             p.setPen(RoundPen(QColor(240, 240, 240)));
             p.setBrush(Qt::NoBrush);
             for (int i = 0; i < 4; ++i) {
                 p.drawRect(QRectF(0.5 + i * 4, 0.5, 3, 4));
             }
             Columns(p, 6, {4, 4, 3, 3}, 3);
         }},
        {"KLONDIKE",
         [](QPainter& p) {
             MiniCard(p, QRectF(0.5, 0.5, 3, 4), false);
             for (int c = 0; c < 4; ++c) {
                 for (int i = 0; i <= c; ++i) {
                     MiniCard(p, QRectF(0.5 + c * 4, 6 + i * 2.2, 3, 4), i == c);
                 }
             }
         }},
        {"PAIRING",
         [](QPainter& p) {
             MiniCard(p, QRectF(0.5, 2.5, 7, 10));
             MiniCard(p, QRectF(8.5, 2.5, 7, 10));
             DrawPip(p, Suit::Hearts, QRectF(2, 5, 4, 4.4), QColor(210, 0, 0));
             DrawPip(p, Suit::Hearts, QRectF(10, 5, 4, 4.4), QColor(210, 0, 0));
         }},
        {"SIMPLEGAMES",
         [](QPainter& p) {
             MiniCard(p, QRectF(3.5, 1.5, 9, 13));
             Letter(p, QRectF(3.5, 3, 9, 10), "A", kInk);
         }},
        {"SPIDER",
         [](QPainter& p) {
             p.setPen(RoundPen(QColor(20, 20, 20), 1.1));
             for (int side = -1; side <= 1; side += 2) {
                 for (int leg = 0; leg < 4; ++leg) {
                     const double y = 5 + leg * 2.2;
                     p.drawLine(QPointF(8, 8), QPointF(8 + side * 4, y - 1));
                     p.drawLine(QPointF(8 + side * 4, y - 1), QPointF(8 + side * 7, y + 1.5));
                 }
             }
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(20, 20, 20));
             p.drawEllipse(QPointF(8, 9.5), 3, 3.6);
             p.drawEllipse(QPointF(8, 5), 2, 2);
         }},
        {"1DECK",
         [](QPainter& p) {
             MiniCard(p, QRectF(3.5, 1.5, 9, 13), false);
             Letter(p, QRectF(3.5, 3, 9, 10), "1", QColor(255, 255, 255));
         }},
        {"2DECK",
         [](QPainter& p) {
             MiniCard(p, QRectF(1.5, 0.5, 9, 12), false);
             MiniCard(p, QRectF(5.5, 3.5, 9, 12), false);
             Letter(p, QRectF(5.5, 5, 9, 9), "2", QColor(255, 255, 255));
         }},
        {"FAN",
         [](QPainter& p) {
             for (int i = -2; i <= 2; ++i) {
                 p.save();
                 p.translate(8, 14);
                 p.rotate(i * 18);
                 MiniCard(p, QRectF(-3, -12, 6, 9));
                 p.restore();
             }
         }},
        {"BAKERSDOZEN",
         [](QPainter& p) {
             for (int r = 0; r < 3; ++r) {
                 for (int c = 0; c < 4; ++c) {
                     MiniCard(p, QRectF(0.5 + c * 4, 1.5 + r * 5, 3, 4));
                 }
             }
         }},
        {"ROW",
         [](QPainter& p) {
             for (int c = 0; c < 5; ++c) {
                 MiniCard(p, QRectF(0.5 + c * 3, 4.5, 5, 7));
             }
         }},
        {"PUZZLE",
         [](QPainter& p) {
             QPainterPath piece;
             piece.addRect(QRectF(2.5, 4.5, 9, 9));
             QPainterPath knob;
             knob.addEllipse(QPointF(7, 3.5), 2.3, 2.3);
             knob.addEllipse(QPointF(12.5, 9), 2.3, 2.3);
             p.setPen(RoundPen(QColor(20, 60, 120)));
             p.setBrush(QColor(80, 150, 230));
             p.drawPath(piece.united(knob));
         }},
        {"ADDITION",
         [](QPainter& p) {
             MiniCard(p, QRectF(2.5, 1.5, 11, 13));
             p.setPen(RoundPen(QColor(0, 110, 0), 2.0));
             p.drawLine(QPointF(8, 5), QPointF(8, 11));
             p.drawLine(QPointF(5, 8), QPointF(11, 8));
         }},
        {"MEMORY",
         [](QPainter& p) {
             for (int r = 0; r < 2; ++r) {
                 for (int c = 0; c < 3; ++c) {
                     MiniCard(p, QRectF(0.5 + c * 5, 1.5 + r * 7, 4, 6), r == 1 && c == 1);
                 }
             }
         }},
        {"BELEAGUEREDCASTLE",
         [](QPainter& p) {
             QPainterPath castle;
             castle.moveTo(2.5, 14.5);
             for (double x : {2.5, 5.5, 8.5, 11.5}) {
                 castle.lineTo(x, 4.5);
                 castle.lineTo(x + 1.5, 4.5);
                 castle.lineTo(x + 1.5, 6.5);
                 castle.lineTo(x + 3, 6.5);
                 castle.lineTo(x + 3, 4.5);
             }
             castle.lineTo(13.5, 14.5);
             castle.closeSubpath();
             p.setPen(RoundPen(QColor(60, 60, 60)));
             p.setBrush(QColor(190, 190, 180));
             p.drawPath(castle);
             p.setBrush(QColor(60, 40, 20));
             p.drawRect(QRectF(6.5, 10.5, 3, 4));
         }},
        {"QUEENOFITALY",
         [](QPainter& p) {
             QPainterPath crown;
             crown.moveTo(1.5, 12.5);
             crown.lineTo(1.5, 4.5);
             crown.lineTo(5, 8);
             crown.lineTo(8, 2.5);
             crown.lineTo(11, 8);
             crown.lineTo(14.5, 4.5);
             crown.lineTo(14.5, 12.5);
             crown.closeSubpath();
             p.setPen(RoundPen(QColor(130, 90, 10)));
             p.setBrush(QColor(240, 196, 40));
             p.drawPath(crown);
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(210, 30, 40));
             p.drawEllipse(QPointF(8, 10.5), 1.5, 1.5);
         }},
        {"YUKON",
         [](QPainter& p) {
             for (int c = 0; c < 4; ++c) {
                 for (int i = 0; i < 5; ++i) {
                     MiniCard(p, QRectF(0.5 + c * 4, 0.5 + i * 2.4, 3, 4), i >= c);
                 }
             }
         }},
        {"MATHEMATICAL",
         [](QPainter& p) {
             MiniCard(p, QRectF(1.5, 1.5, 13, 13));
             p.setFont(MakeFont(Face::SansCondensedBold, 7));
             p.setPen(QColor(0, 0, 160));
             p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, "1+2");
         }},
        {"SIRTOMMY",
         [](QPainter& p) {
             MiniCard(p, QRectF(5.5, 0.5, 5, 6), false);
             for (int c = 0; c < 4; ++c) {
                 MiniCard(p, QRectF(0.5 + c * 4, 8.5, 3, 6));
             }
         }},
        {"NONBUILDERS",
         [](QPainter& p) {
             MiniCard(p, QRectF(1.5, 1.5, 8, 11));
             MiniCard(p, QRectF(6.5, 3.5, 8, 11));
             p.setPen(RoundPen(QColor(200, 0, 0), 1.6));
             p.drawLine(QPointF(8, 6), QPointF(13, 12));
             p.drawLine(QPointF(13, 6), QPointF(8, 12));
         }},
    };
    return kEmblems;
}

void CheckMark(QPainter& p) {
    p.setPen(RoundPen(QColor(255, 255, 255), 3.2));
    p.drawLine(QPointF(9, 12), QPointF(11, 14));
    p.drawLine(QPointF(11, 14), QPointF(15, 9));
    p.setPen(RoundPen(QColor(0, 150, 0), 1.8));
    p.drawLine(QPointF(9, 12), QPointF(11, 14));
    p.drawLine(QPointF(11, 14), QPointF(15, 9));
}

void NotYetMark(QPainter& p) {
    p.setPen(RoundPen(QColor(255, 255, 255), 1.0));
    p.setBrush(QColor(200, 30, 30));
    p.drawEllipse(QPointF(12.5, 12.5), 3, 3);
    p.setPen(RoundPen(QColor(255, 255, 255), 1.2));
    p.drawLine(QPointF(11.2, 11.2), QPointF(13.8, 13.8));
    p.drawLine(QPointF(13.8, 11.2), QPointF(11.2, 13.8));
}

void AddMasked(ResourceSink& sink, const std::string& name, const Paint& paint) {
    sink.AddBitmap(name, OnMask(PaintIcon(paint), kTreeMask));
}

void Customised(QPainter& p) {
    MiniCard(p, QRectF(1.5, 1.5, 9, 13));
    // A pencil across the card.
    p.setPen(RoundPen(QColor(90, 60, 10), 1.0));
    p.setBrush(QColor(240, 190, 40));
    QPainterPath pencil;
    pencil.moveTo(6, 13);
    pencil.lineTo(7, 10);
    pencil.lineTo(14, 3);
    pencil.lineTo(16, 5);
    pencil.lineTo(9, 12);
    pencil.closeSubpath();
    p.drawPath(pencil);
}

// Folder icons with an emblem; "1" closed, "2" open.
void AddFolderPair(ResourceSink& sink, const std::string& prefix, const Paint& emblem) {
    for (int open = 0; open <= 1; ++open) {
        AddMasked(sink, prefix + (open ? "2" : "1"), [&](QPainter& p) {
            Folder(p, open == 1);
            if (emblem) {
                emblem(p);
            }
        });
    }
}

}  // namespace

void AddTreeIcons(ResourceSink& sink) {
    AddFolderPair(sink, "TREE", nullptr);
    AddMasked(sink, "N_TREE3", [](QPainter& p) { MiniCard(p, QRectF(3.5, 1.5, 9, 13), false); });
    AddMasked(sink, "N_TREE4", [](QPainter& p) {
        p.setPen(RoundPen(QColor(40, 40, 40)));
        p.setBrush(QColor(0, 110, 0));
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.setBrush(QColor(0, 70, 0));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(2, 9, 12, 4));
    });
    AddMasked(sink, "N_TREE5", [](QPainter& p) {
        MiniCard(p, QRectF(3.5, 1.5, 9, 13));
        DrawPip(p, Suit::Spades, QRectF(5, 4.5, 6, 6.7), kInk);
    });
    AddFolderPair(sink, "F_TREE",
                  [](QPainter& p) { StarBadge(p, QPointF(11, 10), 4.5, QColor(250, 210, 40)); });
    AddFolderPair(sink, "S_TREE", [](QPainter& p) {
        // A little disk: saved games.
        p.setPen(RoundPen(QColor(20, 20, 60)));
        p.setBrush(QColor(60, 90, 190));
        p.drawRect(QRectF(7.5, 7.5, 8, 8));
        p.setBrush(QColor(240, 240, 240));
        p.drawRect(QRectF(9.5, 7.5, 4, 3));
    });
    AddFolderPair(sink, "D_TREE", [](QPainter& p) { MiniCard(p, QRectF(9.5, 6.5, 6, 9)); });
    AddFolderPair(sink, "C_TREE", [](QPainter& p) {
        p.setPen(RoundPen(QColor(90, 60, 10)));
        p.setBrush(QColor(240, 190, 40));
        p.drawLine(QPointF(8, 15), QPointF(15, 8));
    });
    AddFolderPair(sink, "T_TREE", [](QPainter& p) {
        p.setPen(RoundPen(QColor(120, 20, 20)));
        p.setBrush(QColor(230, 70, 60));
        QPainterPath tag;
        tag.moveTo(8.5, 9.5);
        tag.lineTo(12.5, 9.5);
        tag.lineTo(15.5, 12);
        tag.lineTo(12.5, 14.5);
        tag.lineTo(8.5, 14.5);
        tag.closeSubpath();
        p.drawPath(tag);
    });
    AddFolderPair(sink, "I_TREE", [](QPainter& p) {
        p.setPen(RoundPen(QColor(255, 255, 255)));
        p.setBrush(QColor(30, 90, 200));
        p.drawEllipse(QPointF(11.5, 11.5), 4, 4);
        Letter(p, QRectF(8, 8, 7, 7), "i", QColor(255, 255, 255));
    });
    // Named, not a structured binding: the lambdas capture `paint`, which
    // clang 14 refuses for a binding.
    for (const auto& emblem : TypeEmblems()) {
        const Paint& paint = emblem.second;
        const std::string name = "TREE5_" + emblem.first + "_TYPE";
        AddMasked(sink, name, paint);
        AddMasked(sink, name + "_WIN", [&](QPainter& p) {
            paint(p);
            CheckMark(p);
        });
        AddMasked(sink, name + "_NOWIN", [&](QPainter& p) {
            paint(p);
            NotYetMark(p);
        });
    }
    AddMasked(sink, "TREE5_ORIGINAL_TYPE",
              [](QPainter& p) { StarBadge(p, QPointF(8, 8.5), 7, QColor(250, 200, 30)); });
    AddMasked(sink, "TREE5_CUSTOMIZED_GAMES", Customised);
    AddMasked(sink, "TREE5_CUSTOMIZED_GAMES_WIN", [](QPainter& p) {
        Customised(p);
        CheckMark(p);
    });
    AddMasked(sink, "TREE5_CUSTOMIZED_GAMES_NOWIN", [](QPainter& p) {
        Customised(p);
        NotYetMark(p);
    });
}

}  // namespace velmora::rgfgen
