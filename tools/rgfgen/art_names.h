#pragma once
// The generator draws with the card art's helpers (sizes, fonts, shapes,
// pips, pixel scale) as if they were its own.

namespace velmora::art {}

namespace velmora::rgfgen {
using namespace velmora::art;
}  // namespace velmora::rgfgen
