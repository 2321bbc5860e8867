#pragma once
// Reading the arguments of driver commands: whole numbers in a range, card
// codes and pile names, each refused with a reason the driver can answer.

#include <cstdint>
#include <optional>
#include <string>

#include "engine/model/pile_names.h"

namespace velmora::cli {

// A whole number within [low, high], or false.
bool ReadNumber(const std::string& text, int64_t low, int64_t high, int64_t& out);
// A card code 1 to 108.
std::optional<int> ReadCard(const std::string& text);
// A pile name written as the table writes it ("Fila3", not "Fila03").
std::optional<PileRef> ReadPile(const std::string& text);

}  // namespace velmora::cli
