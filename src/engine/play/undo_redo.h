#pragma once
// Undo and redo over the move log. Each snapshot holds every pile and every
// face state, so a restore rebuilds the table from it; the position it
// replaces moves to the other side, so the two commands walk back and forth
// through the game's steps.

#include "engine/model/engine.h"

namespace velmora {

// Puts the table back as it was before the newest step and keeps the
// current position for redo. The selection of a selection game is cleared:
// the log does not keep it. The score and the win flag follow the restored
// table. Nothing happens once the game has ended, while the commands are
// switched off, or with nothing to undo. True when the table changed.
bool Undo(Engine& e);
// The reverse of Undo.
bool Redo(Engine& e);

// Whether Undo or Redo would do something now: the commands are greyed
// otherwise. The deal's own steps are never undone.
bool CanUndo(const Engine& e);
bool CanRedo(const Engine& e);

}  // namespace velmora
