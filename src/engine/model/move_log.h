#pragma once
// One side (undo or redo) of the move log: four line lists that grow by
// 3, 16, 28 and 10 snapshot lines a step, and the step annotations, one
// comma-terminated element a step.

#include <string>
#include <vector>

namespace velmora {

struct MoveLogSide {
    std::vector<std::string> stock_area;
    std::vector<std::string> foundations;
    std::vector<std::string> tableau;
    std::vector<std::string> reserves;
    std::string annotations;

    // Number of whole steps the side holds.
    int Steps() const { return static_cast<int>(stock_area.size() / 3); }
    void Clear() {
        stock_area.clear();
        foundations.clear();
        tableau.clear();
        reserves.clear();
        annotations.clear();
    }
    bool operator==(const MoveLogSide&) const = default;
};

}  // namespace velmora
