#pragma once
// What the play commands share with the other command groups.

#include <vector>

#include "driver.h"
#include "engine/play/drop_candidates.h"

namespace velmora::cli {

// Picks `card` (with the cards above it) up as a left press on it would and
// releases it over `candidates`, as the pointer does after a drag: "moved"
// when a candidate took it, else "refused".
Reply CarryAndRelease(Engine& e, int card, const std::vector<DropCandidate>& candidates);

}  // namespace velmora::cli
