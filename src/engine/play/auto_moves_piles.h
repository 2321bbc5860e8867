#pragma once
// Pile helpers shared by the automatic moves. Internal to engine/play.

#include <string>

#include "engine/model/engine.h"
#include "engine/model/pile_lists.h"

namespace velmora {

// Whether the layout placed the pile. A table that has not been laid out at
// all (the headless driver) counts every pile as placed.
bool InLayout(const Engine& e, ListId list, int index);

// "Dest3", "Fila1", "Appogg2" for a 0-based index.
std::string NameOf(ListId list, int index);

// Clears the dragged card and the moving run's top card once a search ends.
void ClearMovingCards(Engine& e);

}  // namespace velmora
