#pragma once
// Card backs "D" + size + number. Each back is a picture or a pattern on a
// white margin inside the card outline.

#include <QImage>
#include <QPainter>
#include <QRect>

#include "card_size.h"

namespace velmora::rgfgen {

class ResourceSink;

// The backs offered by the customize dialog, by number.
inline constexpr int kCardBackNumbers[] = {1, 3, 6, 7, 11, 14, 19, 20};

// Pattern backs are drawn pixel by pixel at the final size so they stay
// crisp: `size` in card pixels, each `scale` device pixels wide.
QImage PlaitingArea(QSize size, bool diagonal, int strip, int scale);
QImage ClassicBlueArea(QSize size, int scale);

// Picture backs are painted into a 100 x 140 box that the caller scales to
// the picture area.
void PaintLeonardo(QPainter& p);
void PaintSnowman(QPainter& p);
void PaintRoses(QPainter& p);
void PaintTropicalFish(QPainter& p);
void PaintLake(QPainter& p);

QImage DrawCardBack(const CardSize& size, int number, int scale);

void AddCardBacks(ResourceSink& sink);

}  // namespace velmora::rgfgen
