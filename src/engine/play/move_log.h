#pragma once
// The move log: one whole-table snapshot per step on the undo side, the
// same on the redo side, and a step annotation per step ("001", "002" or
// empty). Composite actions run the executor several times and then
// collapse the extra snapshots so that they count as one step.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/engine.h"
#include "engine/model/position_snapshot.h"

namespace velmora {

enum class LogSide { Undo, Redo };

// Appends the table as it is now, and an empty annotation, to `side`. With
// the redo side and `clear_redo` set it empties the redo side instead.
void PushSnapshot(Engine& e, LogSide side, bool clear_redo);
// Removes the newest n snapshots of the undo side; the oldest of the steps
// involved survives. Stops when the log runs out.
void DropLastSteps(Engine& e, int n);
// Folds the newest n steps of the undo side into the one before them. The
// surviving snapshot is the position before the first of them, whole.
void MergeLastSteps(Engine& e, int n);
// Drops every undo step pushed since the log held `steps_before` steps,
// or keeps one of them with `keep_one` (a composite action as one step).
void CollapseStepsSince(Engine& e, int steps_before, bool keep_one);

// Sets the annotation of the newest undo step to a three-digit value.
void AnnotateStep(Engine& e, std::string_view three_digits);
// How many steps of `side` carry the annotation `value`.
int CountAnnotations(const Engine& e, LogSide side, int value);

// The selection games keep their selection in foundation 1 (R[38] != 0,
// or R[47] 3 and 4); the log does not record it.
bool KeepsSelection(const Engine& e);
// The 57 lines the log keeps for the table as it is now. Foundation 1
// holds the selection in the selection games: the log keeps only the cards
// that lie there (none in the selection games proper, so the line is empty).
std::vector<std::string> LogSnapshot(const Engine& e);
// The newest step of a side (57 lines) and its annotation; false when the
// side holds no whole step.
bool NewestStep(const MoveLogSide& side, std::vector<std::string>& lines, std::string& annotation);
// The same without copying: the lines stay in the side, valid until it
// changes.
bool NewestStepLines(const MoveLogSide& side, std::array<const std::string*, kSnapshotLines>& lines,
                     std::string& annotation);
// Step k (0 the oldest) of a side as 57 lines; false past the end.
bool StepLines(const MoveLogSide& side, int k, std::vector<std::string>& lines);
// A side read from outside the program has the shape the log gives it: the
// four lists hold whole steps, as many in each, and the annotations one
// element a step, each empty or three digits.
bool SideIsWhole(const MoveLogSide& side);
// Removes the newest step of a side.
void PopStep(MoveLogSide& side);
// Appends a step with the given lines and annotation.
void AppendStep(MoveLogSide& side, const std::vector<std::string>& lines, std::string_view annotation);
// The same taking the lines over.
void AppendStep(MoveLogSide& side, std::vector<std::string>&& lines, std::string_view annotation);

// Pushes one undo snapshot before the first change of an action, so an
// action that changes nothing leaves no step behind.
class StepGuard {
public:
    explicit StepGuard(Engine& e, bool record = true) : e_(e), record_(record) {}
    void BeforeChange() {
        if (record_ && !pushed_) PushSnapshot(e_, LogSide::Undo, false);
        pushed_ = true;
    }
    bool Changed() const { return pushed_; }

private:
    Engine& e_;
    bool record_;
    bool pushed_ = false;
};

}  // namespace velmora
