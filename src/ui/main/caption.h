#pragma once
// The main window's caption: the program's name, the current game and, once
// a deal is chosen, its number ("Velmora [Freecell]  [1234]").

#include <string>

#include "engine/model/param_record.h"

namespace velmora {

inline constexpr const char* kProgramName = "Velmora";

std::string WindowCaption(const ParamRecord& params);

}  // namespace velmora
