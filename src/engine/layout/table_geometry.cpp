#include "engine/layout/table_geometry.h"

#include "engine/layout/nearest.h"

namespace velmora {

bool CardSizeForLetter(char letter, CardSize& size) {
    switch (letter) {
        case 'B': size = {71, 96}; return true;
        case 'M': size = {59, 80}; return true;
        case 'L': size = {25, 32}; return true;
        default: return false;
    }
}

CardSize CardSizeForWidth(int width) { return {width, NearestRatio(width * 96, 71)}; }

}  // namespace velmora
