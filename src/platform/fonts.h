#pragma once

#include <string_view>

namespace velmora {

// Whether a font family of that name is installed, compared without regard
// to case. Needs a QGuiApplication (false without one).
bool FontInstalled(std::string_view family);

}  // namespace velmora
