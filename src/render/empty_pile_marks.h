#pragma once
// Which mark an empty pile shows: a sign of what the pile takes (the rank
// it must start with, a free cell, a waste) or of what a press on the empty
// stock does (deal again, nothing more). The names are the library's mark
// names without "W" and the size letter; an empty name draws nothing.

#include <optional>
#include <string>

#include "engine/model/pile_names.h"

namespace velmora {

struct Engine;

// The mark of a base rank: "010" for an ace ... "011" for a king, and the
// codes that stand for those ranks. An empty name for 94, which shows
// nothing but leaves no room for another mark; nothing without a rank mark.
std::optional<std::string> RankMark(int rank);

std::string StockMark(const Engine& e);
std::string WasteMark(const Engine& e);
std::string FoundationMark(const Engine& e, int index);
std::string ReserveMark(const Engine& e, int index);
std::string TableauMark(const Engine& e, int index);

// The mark of any empty pile.
std::string EmptyPileMark(const Engine& e, PileRef pile);

}  // namespace velmora
