#pragma once
// The rules a player can change when making a variant of a game, as
// choices, and how each choice is written into the rules row. A choice is
// offered only where the base game's row expresses it in the one way the
// choice rewrites (for example a uniform tableau build code among the
// three offered), so a variant never mixes two readings of an entry.

#include <optional>

#include "engine/model/custom_games.h"

namespace velmora {

enum class SpaceRule { kAnyCard, kKingsOnly, kNothing };
enum class TableauBuild { kAlternateColours, kSameSuit, kAnySuit };
enum class RunMoves { kWholeRuns, kCardByCard };
enum class FoundationStart { kAcesUp, kKingsDown };

// One value per choice; none where the base game does not offer it.
struct VariantChoices {
    std::optional<int> cards_per_press;  // 1 .. kMaxCardsPerPress
    std::optional<int> passes;           // -1 unlimited, else 1 .. kMaxPasses
    std::optional<int> free_cells;       // 0 .. VariantLimits::max_free_cells
    std::optional<SpaceRule> space;
    std::optional<TableauBuild> build;
    std::optional<RunMoves> runs;
    std::optional<FoundationStart> foundations;
};

inline constexpr int kMaxCardsPerPress = 5;
inline constexpr int kMaxPasses = 5;
inline constexpr int kUnlimitedPasses = -1;

// The base game's own values: a choice the game does not offer is empty.
// The most free cells a variant may have is the base game's number, as its
// layout has room for that many.
VariantChoices ChoicesOf(const RulesRow& row);
inline int MaxFreeCells(const RulesRow& row) { return row[305]; }

// The base row with every given choice written in. A choice the base game
// does not offer, or a value outside its range, leaves the row as it is.
RulesRow ApplyChoices(const RulesRow& base, const VariantChoices& choices);

}  // namespace velmora
