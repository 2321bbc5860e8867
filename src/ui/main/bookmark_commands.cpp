// Bookmarks: "Insert bookmark" marks the position on the table, "Go to
// bookmark" walks the move log back (or forward) to it, so redo can replay
// the steps in between.
#include "engine/play/bookmark.h"
#include "ui/main/main_window.h"

namespace velmora {

void TfrmMain::mnuSnapshotPositionClick() {
    if (paused_ || !started_ || !engine_.flags.Get(flag::kInProgress)) return;
    if (!InsertBookmark(engine_))
        engine_.messages->ShowInfo("This game keeps no record of its moves, so it cannot be bookmarked.");
}

void TfrmMain::mnuUndoToSnapshotClick() {
    if (paused_ || !started_ || !engine_.flags.Get(flag::kInProgress)) return;
    switch (GoToBookmark(engine_)) {
        case BookmarkReturn::kReturned: ShowStoredScore(); break;
        case BookmarkReturn::kAlreadyThere: break;
        case BookmarkReturn::kNoBookmark:
            engine_.messages->ShowInfo(GameKeepsNoLog(engine_)
                                           ? "This game keeps no record of its moves, so it has no bookmark."
                                           : "No bookmark has been inserted in this game.");
            break;
        case BookmarkReturn::kGone:
            engine_.messages->ShowInfo(
                "The bookmarked position can no longer be reached: moves made after an undo replaced it.");
            break;
    }
}

}  // namespace velmora
