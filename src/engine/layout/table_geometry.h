#pragma once
// The geometry of the table as the layout leaves it and every drawing, hit
// test and card flight reads it: the card size, the shadow offset, the fan
// rooms, the hand-laid displacements and what the table was laid out for.
// Pile anchors themselves live in TMainGame and TableauAnchors.

#include <array>

namespace velmora {

// A rectangle in table pixels; right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool Intersects(const Rect& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    bool operator==(const Rect&) const = default;
};

struct CardSize {
    int width = 71;
    int height = 96;
    bool operator==(const CardSize&) const = default;
};

// The size of the card-size letter "B", "M" or "L"; false (and `size`
// unchanged) for any other letter, "F" included: its size is found by the
// layout for the window at hand.
bool CardSizeForLetter(char letter, CardSize& size);

// The card-size letter whose cards follow the window: the largest size at
// which the game's piles fit the table.
inline constexpr char kFitWindowLetter = 'F';

// A card `width` pixels wide with the big card's proportions (71 by 96).
CardSize CardSizeForWidth(int width);

// What a layout is computed for: the main window or a game preview.
struct LayoutInputs {
    int left = 0;
    int top = 5;
    int bottom = 794;
    int available_width = 1280;
    int available_height = 800;
    int screen_width = 1280;
    int screen_height = 800;
    int scroll_position = 0;  // of the table's scroll bar; stored with the anchors
    bool preview = false;
};

// The hand-laid tableau: a small sideways shift per card, 7 rows of 14.
using DisplacementTable = std::array<std::array<int, 14>, 7>;

struct TableGeometry {
    CardSize card;
    int shadow_offset = 0;  // 9 with shadows on, else 0
    int vertical_fan_room = 96;
    int horizontal_fan_room = 71;
    DisplacementTable displacement{};
    LayoutInputs inputs;     // of the last layout
    int forced_start_x = 0;  // set by the reserve overlap restart, 0 when none
};

}  // namespace velmora
