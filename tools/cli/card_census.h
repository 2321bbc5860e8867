#pragma once
// The card census of the engine under the names the driver's commands and
// tests have always used.

#include "engine/play/card_census.h"

namespace velmora::cli {

using velmora::CardCensus;
using velmora::CompareCensus;
using velmora::ShownPiles;
using velmora::TakeCensus;

}  // namespace velmora::cli
