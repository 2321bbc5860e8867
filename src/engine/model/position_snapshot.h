#pragma once
// A whole position as 57 text lines (3 stock-area piles, 16 foundations, 28
// tableau piles, 10 reserves): each card as its three-digit code followed by
// its face character; "0000" for an empty slot.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/engine.h"

namespace velmora {

constexpr int kSnapshotLines = kAllPiles;

// The snapshot line of one pile string.
std::string EncodePile(const CardTable& cards, const std::string& pile);
// The same written into `line`, whose buffer is reused.
void EncodePileInto(const CardTable& cards, std::string_view pile, std::string& line);
// `out` gets the 57 lines; its strings are reused.
void EncodePosition(const Engine& e, std::vector<std::string>& out);
// Restores the piles and face states from 57 lines. A snapshot with the
// wrong number of lines or a malformed unit changes nothing and gives false.
bool DecodePosition(Engine& e, const std::vector<std::string>& lines);
// The same from 57 lines kept elsewhere (the move log's own lists), so that
// they need not be copied first.
bool DecodePosition(Engine& e, const std::array<const std::string*, kSnapshotLines>& lines);

}  // namespace velmora
