// The picture of the table: "shot <file.png>" writes what the window would
// show after a full redraw of the current game.
#include <string>

#include "driver.h"
#include "table_picture.h"

namespace velmora::cli {

namespace {

Reply Shot(Driver& d, const Driver::Args& args) {
    if (args.size() != 1) return Reply::Fail("usage: shot <file.png>");
    TablePicture picture;
    if (const std::string error = picture.Draw(d); !error.empty()) return Reply::Fail(error);
    if (!picture.Save(picture.surfaces.window, 0, args[0])) return Reply::Fail("cannot write " + args[0]);
    return {};
}

}  // namespace

void RegisterShotCommands(std::map<std::string, Driver::Handler>& table) { table["shot"] = Shot; }

}  // namespace velmora::cli
