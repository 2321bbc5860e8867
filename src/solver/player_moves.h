#pragma once
// A solver move: one or more inputs of the player (a selection game needs
// two or three presses to remove a pair), in the words of the headless
// driver, so that a line of moves can be replayed there or in the window.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/model/engine.h"

namespace velmora::solver {

struct Input {
    enum class Kind : uint8_t { Drop, Press, Click };
    Kind kind = Kind::Press;
    int card = 0;      // the card dragged, pressed or clicked (0: an empty pile)
    std::string pile;  // the target of a drop, else the pile pressed or clicked
    bool operator==(const Input&) const = default;
};

using Move = std::vector<Input>;

// "drop 12 Fila3", "press Mazzo", "press Fila2 12", "click Fila2 12".
std::string DriverWords(const Input& input);

// Gives the input to the engine as the window would. True when it acted.
bool PlayInput(Engine& e, const Input& input);
bool PlayMove(Engine& e, const Move& move);

}  // namespace velmora::solver
