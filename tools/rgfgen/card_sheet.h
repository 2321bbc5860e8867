#pragma once
// Every card picture at one fitted size on a sheet, to look at the art at
// the sizes the table may choose: the 52 faces of one card set in suit
// rows, then the joker, the backs and a few empty-pile marks, on green.

#include <QImage>

namespace velmora::rgfgen {

// Cards `width` pixels wide (the big card's proportions), `scale` device
// pixels per card pixel; a null image for sizes the art cannot draw.
QImage CardSheet(int width, double scale, int card_set);

}  // namespace velmora::rgfgen
