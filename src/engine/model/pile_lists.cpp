#include "engine/model/pile_lists.h"

namespace velmora {

namespace {

template <size_t N>
std::string* At(std::array<std::string, N>& list, int index) {
    return index >= 0 && static_cast<size_t>(index) < N ? &list[static_cast<size_t>(index)] : nullptr;
}

const std::string kEmpty;

}  // namespace

int ListSize(ListId list) {
    switch (list) {
        case ListId::Stock: return kStockAreaPiles;
        case ListId::Foundation: return kFoundationPiles;
        case ListId::Tableau: return kTableauPiles;
        case ListId::Reserve: return kReservePiles;
    }
    return 0;
}

std::string* PileLists::Pile(ListId list, int index) {
    switch (list) {
        case ListId::Stock: return At(stock_area, index);
        case ListId::Foundation: return At(foundations, index);
        case ListId::Tableau: return At(tableau, index);
        case ListId::Reserve: return At(reserves, index);
    }
    return nullptr;
}

const std::string* PileLists::Pile(ListId list, int index) const {
    return const_cast<PileLists*>(this)->Pile(list, index);
}

const std::string& PileLists::Text(ListId list, int index) const {
    const std::string* pile = Pile(list, index);
    return pile ? *pile : kEmpty;
}

void PileLists::Clear() {
    for (int n = 0; n < kAllPiles; ++n) Flat(n)->clear();
}

}  // namespace velmora
