#include "engine/layout/table_geometry.h"

namespace velmora {

bool CardSizeForLetter(char letter, CardSize& size) {
    switch (letter) {
        case 'B': size = {71, 96}; return true;
        case 'M': size = {59, 80}; return true;
        case 'L': size = {25, 32}; return true;
        default: return false;
    }
}

}  // namespace velmora
