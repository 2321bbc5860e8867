#include "engine/play/auto_moves_piles.h"

#include "engine/model/main_game.h"
#include "engine/model/pile_names.h"

namespace velmora {

namespace {

int PileX(const Engine& e, ListId list, int index) {
    switch (list) {
        case ListId::Stock: return e.main_game.StockAreaX(index);
        case ListId::Foundation: return e.main_game.FoundationX(index);
        case ListId::Tableau: return TableauX(e.tableau_anchors, index);
        case ListId::Reserve: return e.main_game.ReserveX(index);
    }
    return kUnplacedStockArea;
}

bool AnyPilePlaced(const Engine& e) {
    for (ListId list : {ListId::Stock, ListId::Foundation, ListId::Tableau, ListId::Reserve})
        for (int i = 0; i < ListSize(list); ++i)
            if (PileX(e, list, i) >= kPlacedMinimum) return true;
    return false;
}

}  // namespace

bool InLayout(const Engine& e, ListId list, int index) {
    return PileX(e, list, index) >= kPlacedMinimum || !AnyPilePlaced(e);
}

std::string NameOf(ListId list, int index) { return PileName(PileRef{list, index}); }

void ClearMovingCards(Engine& e) {
    e.main_game.SetField(field::kDraggedCard, 0);
    e.main_game.SetField(field::kRunTopCard, 0);
}

}  // namespace velmora
