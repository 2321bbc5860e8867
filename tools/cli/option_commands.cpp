// Commands that change how the game is played: autoplay, set.
#include <string>

#include "arguments.h"
#include "driver.h"
#include "engine/play/auto_moves.h"

namespace velmora::cli {

namespace {

// "safe" and "greedy" choose which cards automatic play sends home.
Reply AutoplayKind(Engine& e, bool safe) {
    e.params.ParamWrite(param::kSafeAutoplay, 1, safe ? "Y" : "N");
    return {};
}

Reply Autoplay(Driver& d, const Driver::Args& args) {
    if (args.size() == 1 && (args[0] == "safe" || args[0] == "greedy")) return AutoplayKind(d.engine(), args[0] == "safe");
    if (args.size() != 1 || (args[0] != "on" && args[0] != "off"))
        return Reply::Fail("usage: autoplay on|off|safe|greedy");
    Engine& e = d.engine();
    const bool on = args[0] == "on";
    const bool changed = e.play.autoplay_checked != on;
    e.play.autoplay_checked = on;
    // Ticking the command plays at once what automatic play would have.
    if (changed && on) AfterRelease(e);
    Reply reply;
    reply.lines.emplace_back(changed ? "done" : "nothing");
    return reply;
}

Reply Set(Driver& d, const Driver::Args& args) {
    if (args.size() < 3) return Reply::Fail("usage: set <position> <length> <value>");
    int64_t position = 0;
    int64_t length = 0;
    if (!ReadNumber(args[0], 1, 999, position)) return Reply::Fail("a position is 1 to 999");
    if (!ReadNumber(args[1], 1, ParamRecord::kBlockLength, length)) return Reply::Fail("a length is 1 to 250");
    std::string value = args[2];
    for (size_t i = 3; i < args.size(); ++i) value += " " + args[i];
    if (!d.engine().params.ParamWrite(static_cast<int>(position), static_cast<int>(length), value))
        return Reply::Fail("position " + args[0] + " holds no field");
    return {};
}

}  // namespace

void RegisterOptionCommands(std::map<std::string, Driver::Handler>& table) {
    table["autoplay"] = Autoplay;
    table["set"] = Set;
}

}  // namespace velmora::cli
