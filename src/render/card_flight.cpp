#include "render/card_flight.h"

#include <charconv>
#include <string>
#include <vector>

#include "engine/layout/nearest.h"
#include "engine/model/engine.h"
#include "render/drag_image.h"
#include "render/flight_path.h"
#include "storage/preference_keys.h"

namespace velmora {

namespace {

// Waits only when there is something to wait for.
void Pause(const DrawContext& ctx, int milliseconds) {
    if (milliseconds > 0) ctx.pacer.Wait(milliseconds);
}

// A target off the table: three cards beyond its edge.
QPoint OnOrOffTable(const DrawContext& ctx, QPoint to) {
    return {to.x() < kUnsetCoordinate ? -3 * ctx.CardWidth() : to.x(),
            to.y() < kUnsetCoordinate ? -3 * ctx.CardHeight() : to.y()};
}

// Shadows stay off while the card flies, whatever the setting says.
class ShadowsSuspended {
public:
    explicit ShadowsSuspended(RenderState& state) : state_(state), before_(state.shadows_suspended) {
        state_.shadows_suspended = true;
    }
    ~ShadowsSuspended() { state_.shadows_suspended = before_; }
    ShadowsSuspended(const ShadowsSuspended&) = delete;
    ShadowsSuspended& operator=(const ShadowsSuspended&) = delete;

private:
    RenderState& state_;
    bool before_;
};

}  // namespace

int FlightDelay(const Engine& e, bool fast) {
    const std::string text = e.params.ParamRead(key::kSpeedMoveCard.position, key::kSpeedMoveCard.length);
    int speed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), speed);
    if (error != std::errc() || end != text.data() + text.size() || speed < 0) speed = 0;
    return fast ? Nearest(speed / 4.0) : speed;
}

void FlyDragImage(const DrawContext& ctx, QPoint to, FlightOptions options) {
    if (ctx.state.drag.cards == 0) return;
    const ShadowsSuspended no_shadows(ctx.state);
    const QPoint target = OnOrOffTable(ctx, to);
    const int lift = options.shadow ? ctx.ShadowOffset() : 0;
    const QPoint lifted = target - QPoint(lift, lift);
    const int delay = FlightDelay(ctx.engine, options.fast);
    const std::vector<QPoint> path = FlightPath(ctx.state.drag.rect.topLeft(), lifted, options.fast);
    for (size_t i = 0; i < path.size(); ++i) {
        MoveDragImage(ctx, path[i].x(), path[i].y(), i + 1 == path.size() && !options.shadow);
        Pause(ctx, delay);
    }
    if (options.shadow) {
        Pause(ctx, 2 * delay);
        MoveDragImage(ctx, target.x(), target.y(), true);
    } else if (path.empty()) {
        MoveDragImage(ctx, target.x(), target.y(), true);
    }
}

void FlyCard(const DrawContext& ctx, int card, QPoint from, QPoint to, FlightOptions options) {
    BuildCardDragImage(ctx, card, from);
    FlyDragImage(ctx, to, options);
}

}  // namespace velmora
