#include "ui/main/panel_placement.h"

namespace velmora {

PanelPlacement PlacePanelsIn(const PanelPlacementInputs& in) {
    PanelPlacement out;
    out.time_left = in.reference_width - in.time_width - kPanelRightMargin;
    out.score_left = in.show_time ? out.time_left - in.score_width - kPanelGap
                                  : in.reference_width - in.score_width - kPanelRightMargin;
    // Centred in the row, so either toolbar size frames them alike.
    out.top = in.row.top + (in.row.height - in.panel_height) / 2;
    out.grey_line_y = in.row.top + in.row.height;
    out.line_width = in.reference_width;
    // Without a toolbar there is no row to show them in.
    const auto clears = [&in](int left) {
        return in.row.shown && left > in.row.exit_right + kPanelClearance;
    };
    out.time_shown = in.show_time && clears(out.time_left);
    out.score_shown = in.show_score && clears(out.score_left);
    return out;
}

}  // namespace velmora
