#include "engine/model/pile_names.h"

#include "text/fixed_text.h"

namespace velmora {

int NumberAtColumns(std::string_view name, int from) {
    const std::string digits = TrimRightSpaces(Columns(name, from, 2));
    int64_t number = 0;
    if (digits.empty() || digits[0] == '-' || !ParseInt(digits, number)) return -1;
    return static_cast<int>(number);
}

std::optional<PileRef> ParsePileName(std::string_view name) {
    if (name == "Mazzo") return PileRef{ListId::Stock, kStockIndex};
    if (name == "Mazzo_Vis") return PileRef{ListId::Stock, kWasteIndex};
    if (name == "Mazzo_Waste") return PileRef{ListId::Stock, kSecondWasteIndex};
    // The number ends the name: at most two characters follow the prefix.
    PileRef ref;
    int number = -1;
    if ((name.starts_with("Fila") || name.starts_with("Dest")) && name.size() <= 6) {
        ref.list = name.starts_with("Fila") ? ListId::Tableau : ListId::Foundation;
        number = NumberAtColumns(name, 5);
    } else if (name.starts_with("Appogg") && name.size() <= 8) {
        ref.list = ListId::Reserve;
        number = NumberAtColumns(name, 7);
    }
    if (number < 1 || number > ListSize(ref.list)) return std::nullopt;
    ref.index = number - 1;
    return ref;
}

std::string PileName(PileRef pile) {
    if (pile.index < 0 || pile.index >= ListSize(pile.list)) return {};
    const std::string number = std::to_string(pile.index + 1);
    switch (pile.list) {
        case ListId::Stock: {
            constexpr const char* kNames[] = {"Mazzo", "Mazzo_Vis", "Mazzo_Waste"};
            return kNames[pile.index];
        }
        case ListId::Foundation: return "Dest" + number;
        case ListId::Tableau: return "Fila" + number;
        case ListId::Reserve: return "Appogg" + number;
    }
    return {};
}

}  // namespace velmora
