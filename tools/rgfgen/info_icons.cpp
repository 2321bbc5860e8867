// The class icons of the game information panel: game time, difficulty,
// chance of winning and skill. Each family shows its level as a filled
// share, so the icons read like small gauges.

#include <QPainterPath>

#include "icons.h"
#include "resource_sink.h"

namespace velmora::rgfgen {

namespace {

const QColor kPanel(255, 255, 255);
const QColor kFrame(60, 60, 60);

// A clock whose dial is filled for the share of an hour the game takes.
QImage Clock(double share) {
    return PaintIcon([share](QPainter& p) {
        const QRectF dial(1.5, 1.5, 13, 13);
        p.setPen(QPen(kFrame, 1.0));
        p.setBrush(QColor(250, 250, 250));
        p.drawEllipse(dial);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 130, 220));
        p.drawPie(dial.adjusted(1.5, 1.5, -1.5, -1.5), 90 * 16,
                  static_cast<int>(-share * 360 * 16));
        p.setPen(QPen(kFrame, 1.2));
        p.drawLine(QPointF(8, 8), QPointF(8, 3.5));
    });
}

// Three steps, the first `level` of them lit in the level's colour.
QImage Steps(int level) {
    const QColor lit[] = {QColor(40, 170, 60), QColor(240, 180, 20), QColor(220, 40, 40)};
    return PaintIcon([&](QPainter& p) {
        for (int i = 0; i < 3; ++i) {
            const double height = 5 + i * 4;
            p.setPen(QPen(kFrame, 1.0));
            p.setBrush(i < level ? lit[level - 1] : QColor(235, 235, 235));
            p.drawRect(QRectF(1.5 + i * 5, 14.5 - height, 3, height));
        }
    });
}

// A vertical gauge of five segments, `level` of them lit: green for good
// chances, red for poor ones.
QImage Gauge(int level) {
    const QColor lit[] = {QColor(220, 40, 40), QColor(240, 120, 30), QColor(240, 200, 20),
                          QColor(130, 190, 40), QColor(40, 170, 60)};
    return PaintIcon([&](QPainter& p) {
        p.setPen(QPen(kFrame, 1.0));
        p.setBrush(QColor(235, 235, 235));
        p.drawRect(QRectF(4.5, 0.5, 7, 15));
        p.setPen(Qt::NoPen);
        p.setBrush(lit[level - 1]);
        for (int i = 0; i < level; ++i) {
            p.drawRect(QRectF(6, 12.5 - i * 3, 4, 2));
        }
    });
}

// A bar split between skill (blue, left) and chance (orange, right).
QImage Balance(double skill) {
    return PaintIcon([skill](QPainter& p) {
        const QRectF bar(0.5, 4.5, 15, 7);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 90, 200));
        p.drawRect(QRectF(bar.left(), bar.top(), bar.width() * skill, bar.height()));
        p.setBrush(QColor(245, 150, 30));
        p.drawRect(QRectF(bar.left() + bar.width() * skill, bar.top(), bar.width() * (1 - skill),
                          bar.height()));
        p.setPen(QPen(kFrame, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(bar);
    });
}

}  // namespace

void AddInfoIcons(ResourceSink& sink) {
    const auto add = [&sink](const char* name, const QImage& icon) {
        sink.AddBitmap(name, OnGround(icon, kPanel));
    };
    add("PROG_TIME_LONG", Clock(0.75));
    add("PROG_TIME_MEDIUM", Clock(0.5));
    add("PROG_TIME_QUICK", Clock(0.25));
    add("PROG_DIFF_EASY", Steps(1));
    add("PROG_DIFF_MEDIUM", Steps(2));
    add("PROG_DIFF_HARD", Steps(3));
    add("PROG_CHAN_VERYHIGH", Gauge(5));
    add("PROG_CHAN_HIGH", Gauge(4));
    add("PROG_CHAN_MEDIUM", Gauge(3));
    add("PROG_CHAN_LOW", Gauge(2));
    add("PROG_CHAN_VERYLOW", Gauge(1));
    add("PROG_SKILL_DIFFICULT", Balance(1.0));
    add("PROG_SKILL_MOSTLYSKILL", Balance(0.75));
    add("PROG_SKILL_MODERATE", Balance(0.5));
    add("PROG_SKILL_MOSTLYCHANCE", Balance(0.25));
    add("PROG_SKILL_CHANCEONLY", Balance(0.0));
}

}  // namespace velmora::rgfgen
