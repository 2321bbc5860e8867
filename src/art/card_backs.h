#pragma once
// Card backs by number, at any card size and scale. Each back is a picture
// or a pattern on a white margin inside the card outline.

#include <QImage>
#include <QPainter>
#include <QRect>

#include "art/card_size.h"

namespace velmora::art {

// The backs offered by the customize dialog, by number.
inline constexpr int kCardBackNumbers[] = {1, 3, 6, 7, 11, 14, 19, 20};
inline constexpr bool IsCardBackNumber(int number) {
    for (int known : kCardBackNumbers) {
        if (known == number) {
            return true;
        }
    }
    return false;
}

// Pattern backs are drawn pixel by pixel at the final size so they stay
// crisp: `size` in card pixels, each `scale` device pixels wide.
QImage PlaitingArea(QSize size, bool diagonal, int strip, double scale);
QImage ClassicBlueArea(QSize size, double scale);

// Picture backs are painted into a 100 x 140 box that the caller scales to
// the picture area.
void PaintLeonardo(QPainter& p);
void PaintSnowman(QPainter& p);
void PaintRoses(QPainter& p);
void PaintTropicalFish(QPainter& p);
void PaintLake(QPainter& p);

QImage DrawCardBack(const CardSize& size, int number, double scale);

}  // namespace velmora::art
