#pragma once
// The tips of the "Tip of the Day" box, about the program's own commands.

#include <string_view>
#include <vector>

namespace velmora {

const std::vector<std::string_view>& DayTips();

// The tip to show first on a day of the year (1-366): each day the next.
size_t TipOfDay(int day_of_year);

}  // namespace velmora
