#include "engine/play/bookmark.h"

#include <string>
#include <vector>

#include "engine/play/move_log.h"
#include "engine/play/undo_redo.h"

namespace velmora {

namespace {

constexpr int kNoLogRule = 20;

// The position `steps` undo steps deep, as the log holds it now: step k of
// the undo side is the table before move k + 1; the newest redo step is
// the table one step ahead; the table itself is the current depth.
bool LogPositionAt(const Engine& e, int steps, std::vector<std::string>& lines) {
    const int depth = e.undo.Steps();
    if (steps == depth) {
        lines = LogSnapshot(e);
        return true;
    }
    if (steps < depth) return StepLines(e.undo, steps, lines);
    const int redo_index = e.redo.Steps() - (steps - depth);
    return redo_index >= 0 && StepLines(e.redo, redo_index, lines);
}

}  // namespace

bool GameKeepsNoLog(const Engine& e) { return e.R(kNoLogRule) == 1; }

bool CanBookmark(const Engine& e) {
    return e.flags.Get(flag::kInProgress) && e.play.undo_enabled && !GameKeepsNoLog(e);
}

bool InsertBookmark(Engine& e) {
    if (!CanBookmark(e)) return false;
    e.play.bookmark.steps = e.undo.Steps();
    e.play.bookmark.position = LogSnapshot(e);
    return true;
}

BookmarkReturn GoToBookmark(Engine& e) {
    const Bookmark& mark = e.play.bookmark;
    if (mark.steps < 0 || !CanBookmark(e)) return BookmarkReturn::kNoBookmark;
    std::vector<std::string> lines;
    if (mark.steps < e.play.deal_steps || !LogPositionAt(e, mark.steps, lines) || lines != mark.position)
        return BookmarkReturn::kGone;
    if (mark.steps == e.undo.Steps()) return BookmarkReturn::kAlreadyThere;
    while (e.undo.Steps() > mark.steps)
        if (!Undo(e)) return BookmarkReturn::kGone;
    while (e.undo.Steps() < mark.steps)
        if (!Redo(e)) return BookmarkReturn::kGone;
    return BookmarkReturn::kReturned;
}

}  // namespace velmora
