#pragma once
// Pile names: Mazzo (stock), Mazzo_Vis (waste), Mazzo_Waste (second waste),
// Dest<n>, Fila<n> and Appogg<n> with the 1-based number. The number is read
// from fixed columns (5-6 after Dest and Fila, 7-8 after Appogg), so "Dest01"
// and "Dest1" name the same pile.

#include <optional>
#include <string>
#include <string_view>

#include "engine/model/pile_lists.h"

namespace velmora {

struct PileRef {
    ListId list = ListId::Stock;
    int index = 0;  // 0-based
    bool operator==(const PileRef&) const = default;
};

// The pile a name addresses, or nothing for a name that is not a pile name
// or whose number lies outside its list.
std::optional<PileRef> ParsePileName(std::string_view name);
// The name of a pile ("Fila3"); "" for an index outside its list.
std::string PileName(PileRef pile);

// The 1-based number in columns `from` and `from + 1` of a name, as the
// action keywords carry it; -1 when those columns hold no number.
int NumberAtColumns(std::string_view name, int from);

}  // namespace velmora
