#pragma once
// Bookmarks: the player marks the position on the table and comes back to
// it later by walking the move log (undo, or redo when the player has
// undone past it), so the steps in between stay in the log and redo can
// replay them.

#include "engine/model/engine.h"

namespace velmora {

// Games whose rules parameter 20 is 1 keep no move log for the player, so
// they can be neither bookmarked nor saved.
bool GameKeepsNoLog(const Engine& e);

// Whether a bookmark may be set now: a game in progress that keeps a log.
bool CanBookmark(const Engine& e);
// Marks the position on the table; false when CanBookmark does not hold.
bool InsertBookmark(Engine& e);

enum class BookmarkReturn {
    kReturned,   // the table shows the bookmarked position again
    kAlreadyThere,
    kNoBookmark,
    kGone,       // a later move replaced the steps that led there
};

// Undoes (or redoes) steps until the table is the bookmarked position.
// Nothing changes unless the log still leads there.
BookmarkReturn GoToBookmark(Engine& e);

}  // namespace velmora
