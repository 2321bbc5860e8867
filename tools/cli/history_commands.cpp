// Commands that walk the move log: undo, redo.
#include <string>

#include "driver.h"
#include "engine/play/undo_redo.h"

namespace velmora::cli {

namespace {

Driver::Handler Step(const char* name, bool (*step)(Engine&)) {
    return [name, step](Driver& d, const Driver::Args& args) {
        if (!args.empty()) return Reply::Fail(std::string(name) + " takes no arguments");
        Reply reply;
        reply.lines.emplace_back(step(d.engine()) ? "done" : "nothing");
        return reply;
    };
}

}  // namespace

void RegisterHistoryCommands(std::map<std::string, Driver::Handler>& table) {
    table["undo"] = Step("undo", Undo);
    table["redo"] = Step("redo", Redo);
}

}  // namespace velmora::cli
