#pragma once
// Colour values as the settings store them: a decimal number holding red in
// the low byte, green in the next and blue in the third; a value with the
// top bit set names a system colour by its index in the low byte (the
// default table colour, 0x8000000F, is the button face).

#include <QRgb>

#include <cstdint>
#include <string>

namespace velmora {

// The colour a settings value stands for. System colours come from the
// application's palette when there is one, else from a fixed classic set.
QRgb ColourFromValue(int64_t value);

// The number stored in a decimal text field of the parameter record; 0 for
// an empty field or one that is not a whole number.
int64_t DecimalField(const std::string& text);

}  // namespace velmora
