// The picture of the table: "shot <file.png> [<scale>]" writes what the
// window would show after a full redraw of the current game, on a screen of
// 1 or 2 device pixels per table pixel.
#include <string>

#include "driver.h"
#include "table_picture.h"

namespace velmora::cli {

namespace {

Reply Shot(Driver& d, const Driver::Args& args) {
    const bool scaled = args.size() == 2;
    if ((args.size() != 1 && !scaled) || (scaled && args[1] != "1" && args[1] != "2"))
        return Reply::Fail("usage: shot <file.png> [1|2]");
    TablePicture picture;
    picture.surfaces.scale = scaled ? std::stoi(args[1]) : 1;
    if (const std::string error = picture.Draw(d); !error.empty()) return Reply::Fail(error);
    if (!picture.Save(picture.surfaces.Window(), 0, args[0])) return Reply::Fail("cannot write " + args[0]);
    return {};
}

}  // namespace

void RegisterShotCommands(std::map<std::string, Driver::Handler>& table) { table["shot"] = Shot; }

}  // namespace velmora::cli
