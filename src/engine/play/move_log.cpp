#include "engine/play/move_log.h"

#include <algorithm>
#include <array>
#include <utility>

#include "engine/model/position_snapshot.h"
#include "engine/play/selection_pile.h"
#include "text/fixed_text.h"

namespace velmora {

namespace {

// The four lists of a side with the number of lines a step adds to each,
// in snapshot order.
struct LogList {
    std::vector<std::string> MoveLogSide::*lines;
    int per_step;
};
constexpr std::array<LogList, 4> kLists{{{&MoveLogSide::stock_area, kStockAreaPiles},
                                         {&MoveLogSide::foundations, kFoundationPiles},
                                         {&MoveLogSide::tableau, kTableauPiles},
                                         {&MoveLogSide::reserves, kReservePiles}}};

MoveLogSide& SideOf(Engine& e, LogSide side) { return side == LogSide::Undo ? e.undo : e.redo; }
const MoveLogSide& SideOf(const Engine& e, LogSide side) { return side == LogSide::Undo ? e.undo : e.redo; }

// Annotations are comma-terminated elements, one per step; text after the
// last comma is no element and goes with the next rewrite. These work on
// the text in place: a long game holds thousands of elements.
std::vector<std::string> SplitAnnotations(const std::string& text) {
    std::vector<std::string> elements;
    std::string current;
    for (char c : text) {
        if (c == ',') {
            elements.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    return elements;
}

// The length of the text up to and including its last comma.
size_t TerminatedLength(const std::string& text) {
    const size_t comma = text.rfind(',');
    return comma == std::string::npos ? 0 : comma + 1;
}

// Where the element ending with the comma at end - 1 starts (end > 0).
size_t ElementStart(const std::string& text, size_t end) {
    if (end < 2) return 0;
    const size_t comma = text.rfind(',', end - 2);
    return comma == std::string::npos ? 0 : comma + 1;
}

std::string_view NewestAnnotation(const std::string& text) {
    const size_t end = TerminatedLength(text);
    if (end == 0) return {};
    const size_t start = ElementStart(text, end);
    return std::string_view(text).substr(start, end - 1 - start);
}

// Folds the newest annotation into the one before it: a step that absorbs
// a later one keeps its own mark unless the later one carries a mark.
void FoldNewestAnnotation(MoveLogSide& side) {
    std::string& text = side.annotations;
    const size_t end = TerminatedLength(text);
    const size_t start = end == 0 ? 0 : ElementStart(text, end);
    if (start == 0) {
        text.clear();
        return;
    }
    if (end - 1 == start) {
        text.resize(start);
        return;
    }
    const std::string newest = text.substr(start, end - 1 - start);
    text.resize(ElementStart(text, start));
    text += newest;
    text += ',';
}

void RemoveNewestLines(MoveLogSide& side) {
    for (const LogList& list : kLists) {
        std::vector<std::string>& lines = side.*list.lines;
        lines.resize(lines.size() - std::min(lines.size(), static_cast<size_t>(list.per_step)));
    }
}

// The newest n steps collapse into the step before them: the position that
// step recorded is kept whole, so a restore never brings back a pile from a
// later position.
void CollapseNewest(Engine& e, int n) {
    for (int k = 0; k < n && e.undo.Steps() > 0; ++k) {
        RemoveNewestLines(e.undo);
        FoldNewestAnnotation(e.undo);
    }
}

}  // namespace

bool KeepsSelection(const Engine& e) { return e.R(38) != 0 || e.R(47) == 3 || e.R(47) == 4; }

std::vector<std::string> LogSnapshot(const Engine& e) {
    std::vector<std::string> lines;
    EncodePosition(e, lines);
    // The marks are left out; a card lying on foundation 1 is part of the
    // position like any other, whatever the rules say the pile is for.
    if (KeepsSelection(e)) lines[kStockAreaPiles] = EncodePile(e.cards, SelectionPileCards(e));
    return lines;
}

void AppendStep(MoveLogSide& side, const std::vector<std::string>& lines, std::string_view annotation) {
    AppendStep(side, std::vector<std::string>(lines), annotation);
}

void AppendStep(MoveLogSide& side, std::vector<std::string>&& lines, std::string_view annotation) {
    size_t at = 0;
    for (const LogList& list : kLists) {
        std::vector<std::string>& target = side.*list.lines;
        for (int k = 0; k < list.per_step; ++k, ++at)
            target.push_back(at < lines.size() ? std::move(lines[at]) : std::string());
    }
    side.annotations += annotation;
    side.annotations += ',';
}

bool NewestStepLines(const MoveLogSide& side, std::array<const std::string*, kSnapshotLines>& lines,
                     std::string& annotation) {
    size_t at = 0;
    for (const LogList& list : kLists) {
        const std::vector<std::string>& source = side.*list.lines;
        const size_t per_step = static_cast<size_t>(list.per_step);
        if (source.size() < per_step) return false;
        for (size_t k = source.size() - per_step; k < source.size(); ++k) lines[at++] = &source[k];
    }
    annotation = NewestAnnotation(side.annotations);
    return true;
}

bool NewestStep(const MoveLogSide& side, std::vector<std::string>& lines, std::string& annotation) {
    lines.clear();
    std::array<const std::string*, kSnapshotLines> newest{};
    if (!NewestStepLines(side, newest, annotation)) return false;
    for (const std::string* line : newest) lines.push_back(*line);
    return true;
}

bool StepLines(const MoveLogSide& side, int k, std::vector<std::string>& lines) {
    lines.clear();
    if (k < 0 || k >= side.Steps()) return false;
    for (const LogList& list : kLists) {
        const std::vector<std::string>& source = side.*list.lines;
        const size_t first = static_cast<size_t>(k) * static_cast<size_t>(list.per_step);
        if (source.size() < first + static_cast<size_t>(list.per_step)) return false;
        lines.insert(lines.end(), source.begin() + static_cast<std::ptrdiff_t>(first),
                     source.begin() + static_cast<std::ptrdiff_t>(first + static_cast<size_t>(list.per_step)));
    }
    return true;
}

bool SideIsWhole(const MoveLogSide& side) {
    const size_t steps = static_cast<size_t>(side.Steps());
    for (const LogList& list : kLists)
        if ((side.*list.lines).size() != steps * static_cast<size_t>(list.per_step)) return false;
    if (std::count(side.annotations.begin(), side.annotations.end(), ',') != static_cast<std::ptrdiff_t>(steps))
        return false;
    if (!side.annotations.empty() && side.annotations.back() != ',') return false;
    for (const std::string& element : SplitAnnotations(side.annotations)) {
        const bool digits = std::all_of(element.begin(), element.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits || (!element.empty() && element.size() != 3)) return false;
    }
    return true;
}

void PopStep(MoveLogSide& side) {
    RemoveNewestLines(side);
    const size_t end = TerminatedLength(side.annotations);
    side.annotations.resize(end == 0 ? 0 : ElementStart(side.annotations, end));
}

void PushSnapshot(Engine& e, LogSide side, bool clear_redo) {
    if (side == LogSide::Redo && clear_redo) {
        e.redo.Clear();
        return;
    }
    AppendStep(SideOf(e, side), LogSnapshot(e), "");
}

void DropLastSteps(Engine& e, int n) { CollapseNewest(e, n); }

void MergeLastSteps(Engine& e, int n) { CollapseNewest(e, n); }

void CollapseStepsSince(Engine& e, int steps_before, bool keep_one) {
    const int extra = e.undo.Steps() - std::max(steps_before, 0) - (keep_one ? 1 : 0);
    if (extra > 0) DropLastSteps(e, extra);
}

void AnnotateStep(Engine& e, std::string_view three_digits) {
    std::string& text = e.undo.annotations;
    const size_t end = TerminatedLength(text);
    if (end == 0) return;
    text.resize(ElementStart(text, end));
    text += three_digits;
    text += ',';
}

int CountAnnotations(const Engine& e, LogSide side, int value) {
    const std::string wanted = ZeroPad(value, 3);
    const std::string& text = SideOf(e, side).annotations;
    int count = 0;
    size_t start = 0;
    for (size_t comma = text.find(','); comma != std::string::npos; comma = text.find(',', start)) {
        if (std::string_view(text).substr(start, comma - start) == wanted) ++count;
        start = comma + 1;
    }
    return count;
}

}  // namespace velmora
