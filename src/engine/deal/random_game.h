#pragma once
// The "Random game" command's choice: any game of the catalogue, drawn with
// the engine's generator.

#include "engine/model/engine.h"

namespace velmora {

// A game number of the catalogue, other than `current` whenever the
// catalogue offers another; -1 when the catalogue is empty.
int DrawRandomGame(Engine& e, int current);

}  // namespace velmora
