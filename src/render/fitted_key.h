#pragma once
// Which fitted card pictures: the card size in table pixels, the surface
// scale, the card set and the back by number.

namespace velmora {

struct FittedKey {
    int width = 0;
    int height = 0;
    int scale = 1;
    int card_set = 1;
    int back = 11;
    bool operator==(const FittedKey&) const = default;
};

// Sizes the art can draw: from a few pixels up to far beyond any screen.
inline bool Drawable(const FittedKey& key) {
    return key.width >= 10 && key.height >= 10 && key.width <= 1000 && key.height <= 1400 && key.scale >= 1 &&
           key.scale <= 4;
}

}  // namespace velmora
