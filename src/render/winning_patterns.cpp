// The six patterns of the winning animation. The sweeping ones (open order,
// left to right, up to down) check the time after every card; festoons,
// lines and circles after every whole throw. Every loop inside a throw is
// bounded by its segment counts or by a speed that never drops to 0, and
// checks the running flag before each card, so a key press ends a throw at
// its next step and every throw ends, whatever the size of the window.
#include <array>
#include <span>
#include <vector>

#include "engine/layout/nearest.h"
#include "render/circle_path.h"
#include "render/winning_patterns.h"

namespace velmora {

namespace {

constexpr int kCardsPerPause = 5;
constexpr int kLineStep = 35;      // between rows (columns), and of each new start
constexpr int kRowWaitMs = 700;    // at the end of a row (column)
constexpr int kLinesStepWaitMs = 5;

// -----------------------------------------------------------------------------
// Sweeps

// Where the next row (column) begins: further back after an odd row count.
int RowStart(int rows, int card_extent) { return -Nearest(card_extent / (rows % 2 == 1 ? 3.0 : 4.0)); }

// The cards of a sweep move along `along`; rows (columns) follow each other
// along `across`, and when they reach the far side a new pass starts a
// little further on.
struct Sweep {
    int along = 0;
    int across = 0;
    int start = 0;  // where the current pass began across
    int rows = 0;
};

void PauseEveryFifth(CardThrower& t, int thrown) {
    if (thrown % kCardsPerPause != 0) return;
    t.PauseShort();
    t.ProcessEvents();
}

}  // namespace

void ThrowOpenOrder(CardThrower& t) {
    const int half_width = Nearest(t.CardWidth() / 2.0);
    const int half_height = Nearest(t.CardHeight() / 2.0);
    int thrown = 0;
    do {
        const int code = t.RandomCard();
        const int x = t.Random(t.Width() + half_width) - half_width;
        const int y = t.Random(t.Height() + half_height) - half_height;
        t.Throw(code, x, y);
        PauseEveryFifth(t, ++thrown);
    } while (t.Going());
}

void ThrowLeftToRight(CardThrower& t) {
    const int step = Nearest(t.CardWidth() / 5.8);
    Sweep s{-20, t.Top()};
    int thrown = 0;
    do {
        t.Throw(t.RandomCard(), s.along, s.across);
        s.along += step;
        PauseEveryFifth(t, ++thrown);
        if (s.along < t.Width()) continue;
        s.along = RowStart(++s.rows, t.CardWidth());
        t.WaitProcessing(kRowWaitMs);
        s.across += kLineStep;
        if (s.across + t.CardHeight() < t.Height()) continue;
        s.start += kLineStep;
        s.across = s.start;
        if (s.start >= t.Height()) s.start = t.Top() + kLineStep;
    } while (t.Going());
}

void ThrowUpToDown(CardThrower& t) {
    const int step = Nearest(t.CardHeight() / 5.3);
    const int column_step = Nearest(t.CardWidth() / 1.5);
    Sweep s{t.Top(), -10};
    int count = 0;  // 1 to 5, then again
    do {
        t.Throw(t.RandomCard(), s.across, s.along);
        s.along += step;
        count = count % kCardsPerPause + 1;
        if (count == 2 || count == 4) t.PauseShort();
        if (count == kCardsPerPause) t.ProcessEvents();
        if (s.along < t.Height()) continue;
        s.along = RowStart(++s.rows, t.CardHeight());
        t.WaitProcessing(kRowWaitMs);
        s.across += column_step;
        if (s.across < t.Width()) continue;
        s.start += kLineStep;
        s.across = s.start;
        if (s.start >= t.Width()) s.start = kLineStep;
    } while (t.Going());
}

// -----------------------------------------------------------------------------
// Festoons: a card falls in an arc and bounces away out of the window.

namespace {

// Segment k takes counts[k] + 1 steps at vertical speed speeds[k].
constexpr std::array<int, 10> kFallCounts = {0, 3, 5, 7, 9, 11, 13, 15, 17, 100};
constexpr std::array<int, 10> kFallSpeeds = {0, 3, 5, 7, 9, 11, 13, 15, 17, 19};
constexpr std::array<int, 65> kBounceSpeeds = {
    -19, -17, -15, -13, -11, -9, -7, -5, -3, -1, 0, 0, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19,  // first bounce
    -15, -13, -11, -9, -7, -5, -3, -1, 0, 0, 1, 3, 5, 7, 9, 11, 13, 15,                    // second
    -11, -9, -7, -5, -3, -1, 0, 0, 1, 3, 5, 7, 9, 11,                                      // third
    -7, -5, -3, -1, 0, 0, 1, 3, 5, 7,                                                      // fourth
    0};                                                                                    // out

// The bounce's step counts; the first bounce is stretched by `n` (2 or 3).
std::array<int, 65> BounceCounts(int n) {
    return {0, 0, n, n + 1, n + 2, n + 3, n + 2, n + 1, n, n - 1,
            n - 2, n - 2, n - 1, n, n + 1, n + 2, n + 3, n + 2, n + 1, n,
            0, 0, 1, 3, 4, 5, 5, 4, 3, 1,
            0, 0, 1, 3, 4, 5, 4, 4, 3, 1,
            0, 1, 3, 4, 3, 1,
            0, 0, 1, 3, 4, 3, 1,
            0, 0, 1, 3, 4, 3, 0,
            1, 3, 4, 3, 1000};  // the last runs until the card is out
}

struct Festoon {
    int code = 0;
    int x = 0;
    int y = 0;
    int speed_x = 0;
};

bool Landed(const CardThrower& t, const Festoon& f) { return f.y + t.CardHeight() >= t.Height(); }

bool Gone(const CardThrower& t, const Festoon& f) { return f.x > t.Width() || f.x < -t.CardWidth(); }

// Draws and moves the card segment by segment until `ended` or the last
// segment; false when the player stopped it.
bool RunSegments(CardThrower& t, Festoon& f, std::span<const int> counts, std::span<const int> speeds,
                 bool (*ended)(const CardThrower&, const Festoon&)) {
    for (size_t k = 0; k < counts.size(); ++k) {
        for (int step = 0; step <= counts[k]; ++step) {
            if (!t.Running()) return false;
            t.Throw(f.code, f.x, f.y);
            if (step % 4 == 0) {
                t.PauseShort();
                t.ProcessEvents();
            }
            f.x += f.speed_x;
            f.y += speeds[k];
            if (ended(t, f)) return true;
        }
    }
    return true;
}

// An odd draw of 1 to 10.
bool OddTenth(CardThrower& t) { return (t.Random(10) + 1) % 2 == 1; }

}  // namespace

void ThrowFestoons(CardThrower& t) {
    do {
        Festoon f;
        const int direction = OddTenth(t) ? -1 : 1;
        f.speed_x = direction * (t.Random(5) + 2);
        f.x = t.FitX(t.Random(t.Width()));
        f.y = t.Top() - 50 + t.Random(40);
        f.code = t.RandomCard();
        if (!RunSegments(t, f, kFallCounts, kFallSpeeds, Landed)) return;
        const int n = OddTenth(t) ? 2 : 3;
        const std::array<int, 65> counts = BounceCounts(n);
        if (!RunSegments(t, f, counts, kBounceSpeeds, Gone)) return;
    } while (t.Going());
}

// -----------------------------------------------------------------------------
// Lines: straight runs from edge to edge, each with a new card and speed.

namespace {

bool AtEdge(const CardThrower& t, int x, int y) {
    return x <= 0 || x + t.CardWidth() >= t.Width() || y <= t.Top() || y + t.CardHeight() >= t.Height();
}

// A speed that would carry the card across [low, high] turns round.
int AwayFromEdge(int position, int speed, int low, int high) {
    const int next = position + speed;
    return next < low || next > high ? -speed : speed;
}

}  // namespace

void ThrowLines(CardThrower& t) {
    int x = t.FitX(t.Random(t.Width()));
    int y = t.Top();
    int sign_x = 1;
    int sign_y = 1;
    do {
        const int speed = t.Random(8) + 4;
        const int code = t.RandomCard();
        const int speed_x = AwayFromEdge(x, sign_x * speed, 0, t.Width() - t.CardWidth());
        const int speed_y = AwayFromEdge(y, sign_y * speed, t.Top(), t.Height() - t.CardHeight());
        int steps = 0;
        do {
            if (!t.Running()) return;
            t.Throw(code, x, y);
            x += speed_x;
            y += speed_y;
            ++steps;
            if (steps % 2 == 0) t.Pause(t.MoveSpeed());
            t.Pause(kLinesStepWaitMs);
            if (steps % 4 == 0) t.ProcessEvents();
        } while (!AtEdge(t, x, y));
        sign_x = speed_x < 0 ? -1 : 1;
        sign_y = speed_y < 0 ? -1 : 1;
    } while (t.Going());
}

// -----------------------------------------------------------------------------
// Circles: a card thrown round a circle at a random place.

namespace {

// A start drawn in 0 .. extent - 1; past extent - 150 it moves back before 0,
// so circles near the far side start partly outside the near one.
int CircleStart(int drawn, int extent) {
    const int limit = extent - kCircleDiameter / 2;
    return drawn > limit ? limit - drawn : drawn;
}

bool Touches(const CardThrower& t, int x, int y) {
    return x + t.CardWidth() > 0 && x < t.Width() && y + t.CardHeight() > 0 && y < t.Height();
}

}  // namespace

void ThrowCircles(CardThrower& t) {
    const std::vector<QPoint> path = CirclePath();
    do {
        const int y0 = CircleStart(t.Random(t.Height()), t.Height());
        const int x0 = CircleStart(t.Random(t.Width()), t.Width());
        const int code = t.RandomCard();
        for (size_t i = 0; i < path.size(); ++i) {
            if (!t.Running()) return;
            const int x = x0 + path[i].x();
            const int y = y0 + path[i].y();
            const bool shown = Touches(t, x, y);
            if (shown) t.Throw(code, x, y);
            if (i % 4 != 0) continue;
            if (shown) t.PauseShort();
            t.ProcessEvents();
        }
    } while (t.Going());
}

}  // namespace velmora
