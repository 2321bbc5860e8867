#include "engine/play/undo_redo.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "engine/model/position_snapshot.h"
#include "engine/play/move_log.h"
#include "engine/play/scoring.h"
#include "engine/play/selection_pile.h"
#include "engine/play/stock_actions.h"
#include "engine/play/win_condition.h"

namespace velmora {

namespace {

bool Restore(Engine& e, MoveLogSide& from, MoveLogSide& to) {
    if (!e.flags.Get(flag::kInProgress) || !e.play.undo_enabled) return false;
    // The step is read where it lies in the log and only then popped.
    std::array<const std::string*, kSnapshotLines> lines{};
    std::string annotation;
    if (!NewestStepLines(from, lines, annotation)) return false;
    std::vector<std::string> current = LogSnapshot(e);
    // The selection refers to cards that may lie elsewhere after the restore.
    if (KeepsSelection(e)) ClearSelection(e);
    if (!DecodePosition(e, lines)) return false;
    PopStep(from);
    // The step's mark travels with it.
    AppendStep(to, std::move(current), annotation);
    e.play.redeal_armed = false;
    if (e.R(15) == kTableauRedeal) e.main_game.SetField(field::kPassCounter, PassesInLog(e));
    RecomputeScore(e);
    e.flags.Set(flag::kFinished, IsGameWon(e));
    e.view->RepaintTable();
    return true;
}

}  // namespace

bool CanUndo(const Engine& e) {
    return e.flags.Get(flag::kInProgress) && e.play.undo_enabled && e.undo.Steps() > e.play.deal_steps;
}

bool CanRedo(const Engine& e) {
    return e.flags.Get(flag::kInProgress) && e.play.undo_enabled && e.redo.Steps() > 0;
}

bool Undo(Engine& e) { return CanUndo(e) && Restore(e, e.undo, e.redo); }

bool Redo(Engine& e) { return Restore(e, e.redo, e.undo); }

}  // namespace velmora
