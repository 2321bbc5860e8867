#include "engine/model/pile_names.h"

#include "text/fixed_text.h"

namespace velmora {

int NumberAtColumns(std::string_view name, int from) {
    // Read in place: pile names are parsed for every move tried.
    if (from < 1 || static_cast<size_t>(from) > name.size()) return -1;
    std::string_view digits = name.substr(static_cast<size_t>(from) - 1, 2);
    const size_t end = digits.find_last_not_of(' ');
    if (end == std::string_view::npos) return -1;
    digits = digits.substr(0, end + 1);
    int64_t number = 0;
    if (digits[0] == '-' || !ParseInt(digits, number)) return -1;
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
    std::string name;
    switch (pile.list) {
        case ListId::Stock: {
            constexpr const char* kNames[] = {"Mazzo", "Mazzo_Vis", "Mazzo_Waste"};
            return kNames[pile.index];
        }
        case ListId::Foundation: name = "Dest"; break;
        case ListId::Tableau: name = "Fila"; break;
        case ListId::Reserve: name = "Appogg"; break;
    }
    // At most two digits (28 tableau piles); written in place, as names are
    // built for every move tried.
    const int number = pile.index + 1;
    if (number >= 10) name += static_cast<char>('0' + number / 10);
    name += static_cast<char>('0' + number % 10);
    return name;
}

}  // namespace velmora
