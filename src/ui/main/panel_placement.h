#pragma once
// Where the time and score panels and the two separator lines go in the
// toolbar row: the panels sit at the row's right end (the score left of
// the time, or in its place when the time is not shown) and show only when
// they clear the toolbar's last button.

namespace velmora {

// The shown toolbar: its top, its height and the right end of its "Exit"
// button; an empty row when no toolbar is shown.
struct ToolbarRow {
    bool shown = false;
    int top = 0;
    int height = 0;
    int exit_right = 0;
};

struct PanelPlacementInputs {
    int reference_width = 0;  // the window's width
    int time_width = 0;
    int score_width = 0;
    int panel_height = 0;
    bool show_time = true;  // "Show_Time" is "Y"
    bool show_score = true;
    ToolbarRow row;
};

struct PanelPlacement {
    int time_left = 0;
    int score_left = 0;
    int top = 0;  // both panels
    bool time_shown = false;
    bool score_shown = false;
    int grey_line_y = 0;  // the black line lies one pixel lower
    int line_width = 0;
};

// Panels keep this far from the window's right edge, and from each other.
inline constexpr int kPanelRightMargin = 15;
inline constexpr int kPanelGap = 5;
// A panel shows only when its left lies more than this right of "Exit".
inline constexpr int kPanelClearance = 3;

PanelPlacement PlacePanelsIn(const PanelPlacementInputs& in);

}  // namespace velmora
