// The winning animation without a window: "celebrate <pattern> <steps>
// <file.png>" draws the current table, throws cards over it in the named
// pattern ("(Random)" picks one as a win does) on a clock that runs out once
// <steps> cards are thrown, without any real wait, and writes the back
// buffer as the window would show it. A festoon, line or circle under way
// when the clock runs out is finished, as the time check comes after each
// whole throw.
#include <cstdint>
#include <string>

#include "arguments.h"
#include "driver.h"
#include "render/winning_animation.h"
#include "table_picture.h"

namespace velmora::cli {

namespace {

constexpr const char* kUsage = "usage: celebrate <pattern> <steps> <file.png>";
constexpr int64_t kMostSteps = 1'000'000;

// Time stands still until the last step is thrown, then it is long over.
class StepClock : public WinningAnimationHooks {
public:
    explicit StepClock(int64_t steps) : steps_(steps) {}
    int64_t Ticks() override { return thrown_ < steps_ ? 0 : int64_t{1} << 40; }
    void Pause(int) override {}
    void ProcessEvents() override {}
    void WaitProcessing(int) override {}
    bool Running() const override { return running_; }
    void SetRunning(bool running) override { running_ = running; }
    void CardThrown(int, int, int) override { ++thrown_; }
    int64_t Thrown() const { return thrown_; }

private:
    int64_t steps_;
    int64_t thrown_ = 0;
    bool running_ = false;
};

// The pattern name may have spaces ("Left to right"): every word before
// the last two.
std::string PatternName(const Driver::Args& args) {
    std::string name;
    for (size_t i = 0; i + 2 < args.size(); ++i) name += (i == 0 ? "" : " ") + args[i];
    return name;
}

Reply Celebrate(Driver& d, const Driver::Args& args) {
    int64_t steps = 0;
    if (args.size() < 3 || !ReadNumber(args[args.size() - 2], 1, kMostSteps, steps)) return Reply::Fail(kUsage);
    const std::string& path = args.back();
    TablePicture picture;
    if (const std::string error = picture.Draw(d); !error.empty()) return Reply::Fail(error);
    WinningAnimationInputs inputs = ReadWinningAnimationInputs(d.engine());
    inputs.pattern = PatternName(args);
    inputs.seconds = 1;  // any time at all: the step clock ends it
    StepClock clock(steps);
    RunWinningAnimation(picture.renderer->Context(), inputs, clock);
    if (!picture.Save(picture.surfaces.back_buffer, picture.surfaces.scroll, path))
        return Reply::Fail("cannot write " + path);
    Reply reply;
    reply.lines.push_back("thrown " + std::to_string(clock.Thrown()));
    return reply;
}

}  // namespace

void RegisterCelebrateCommands(std::map<std::string, Driver::Handler>& table) { table["celebrate"] = Celebrate; }

}  // namespace velmora::cli
