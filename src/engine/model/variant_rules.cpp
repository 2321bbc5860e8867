#include "engine/model/variant_rules.h"

namespace velmora {
namespace {

// Entries of the rules row the choices read and write.
constexpr int kRunValidity = 2;
constexpr int kStockPress = 9;
constexpr int kRunLimit = 12;
constexpr int kReservePickUp = 13;
constexpr int kPasses = 14;
constexpr int kRedealMode = 15;
constexpr int kCardsPerPress = 21;
constexpr int kFoundationStartMode = 1;
constexpr int kFoundationBase = 48;
constexpr int kFoundationDirection = 64;
constexpr int kFoundationBuild = 80;
constexpr int kFoundationStartCard = 96;
constexpr int kTableauEmptyRule = 128;
constexpr int kTableauDirection = 156;
constexpr int kTableauBuild = 184;
constexpr int kReserveDropRule = 268;
constexpr int kFoundations = 303;
constexpr int kTableaus = 304;
constexpr int kReserves = 305;
constexpr int kStockCards = 308;
constexpr int kReserveCards = 368;

constexpr int kUp = 1;
constexpr int kDown = 0;
constexpr int kAce = 1;
constexpr int kKing = 13;
constexpr int kAnyCard = -1;
constexpr int kNoCard = 'R';  // empty rule: a space takes nothing
constexpr int kSameSuit = 0;
constexpr int kAnySuit = 2;
constexpr int kAlternate = 3;
constexpr int kOneCard = 1;
constexpr int kUnlimitedRun = -1;
constexpr int kFreeCellRun = -20;  // as many as free cells and spaces carry
constexpr int kEveryCardFits = 1;
constexpr int kSingleCard = 0;     // reserve drop rule of a free cell

int At(const RulesRow& row, int n) { return row[static_cast<size_t>(n)]; }
void Put(RulesRow& row, int n, int value) { row[static_cast<size_t>(n)] = static_cast<int16_t>(value); }

// The value entries first .. first + count - 1 share, none when they differ
// or there are none.
std::optional<int> Uniform(const RulesRow& row, int first, int count) {
    if (count <= 0) return std::nullopt;
    for (int i = 1; i < count; ++i)
        if (At(row, first + i) != At(row, first)) return std::nullopt;
    return At(row, first);
}

void PutAll(RulesRow& row, int first, int count, int value) {
    for (int i = 0; i < count; ++i) Put(row, first + i, value);
}

// A stock whose press turns cards to a waste that is gathered back.
bool TurnsToWaste(const RulesRow& row) {
    return At(row, kStockCards) > 0 && At(row, kStockPress) == 1 && At(row, kCardsPerPress) >= 1 &&
           At(row, kRedealMode) == 0;
}

// Reserves that each take any single card and are dealt nothing.
bool HasFreeCells(const RulesRow& row) {
    const int reserves = At(row, kReserves);
    if (reserves <= 0 || At(row, kReservePickUp) != 0) return false;
    for (int r = 0; r < reserves; ++r)
        if (At(row, kReserveDropRule + r) != kSingleCard || At(row, kReserveCards + r) != 0) return false;
    return true;
}

std::optional<SpaceRule> SpaceOf(const RulesRow& row) {
    const std::optional<int> rule = Uniform(row, kTableauEmptyRule, At(row, kTableaus));
    if (rule == kAnyCard) return SpaceRule::kAnyCard;
    if (rule == kKing) return SpaceRule::kKingsOnly;
    if (rule == kNoCard) return SpaceRule::kNothing;
    return std::nullopt;
}

std::optional<TableauBuild> BuildOf(const RulesRow& row) {
    const int tableaus = At(row, kTableaus);
    if (Uniform(row, kTableauDirection, tableaus) != kDown) return std::nullopt;
    const std::optional<int> build = Uniform(row, kTableauBuild, tableaus);
    if (build == kAlternate) return TableauBuild::kAlternateColours;
    if (build == kSameSuit) return TableauBuild::kSameSuit;
    if (build == kAnySuit) return TableauBuild::kAnySuit;
    return std::nullopt;
}

std::optional<RunMoves> RunsOf(const RulesRow& row) {
    if (!BuildOf(row)) return std::nullopt;
    const int limit = At(row, kRunLimit);
    if (limit == kOneCard) return RunMoves::kCardByCard;
    if (limit == kUnlimitedRun || limit == kFreeCellRun) return RunMoves::kWholeRuns;
    return std::nullopt;
}

std::optional<FoundationStart> FoundationsOf(const RulesRow& row) {
    const int foundations = At(row, kFoundations);
    if (At(row, kFoundationStartMode) != 0 || Uniform(row, kFoundationBuild, foundations) != kSameSuit ||
        Uniform(row, kFoundationStartCard, foundations) != 0)
        return std::nullopt;
    const std::optional<int> base = Uniform(row, kFoundationBase, foundations);
    const std::optional<int> direction = Uniform(row, kFoundationDirection, foundations);
    if (base == kAce && direction == kUp) return FoundationStart::kAcesUp;
    if (base == kKing && direction == kDown) return FoundationStart::kKingsDown;
    return std::nullopt;
}

int SpaceValue(SpaceRule rule) {
    switch (rule) {
        case SpaceRule::kAnyCard: return kAnyCard;
        case SpaceRule::kKingsOnly: return kKing;
        case SpaceRule::kNothing: return kNoCard;
    }
    return kAnyCard;
}

int BuildValue(TableauBuild build) {
    switch (build) {
        case TableauBuild::kAlternateColours: return kAlternate;
        case TableauBuild::kSameSuit: return kSameSuit;
        case TableauBuild::kAnySuit: return kAnySuit;
    }
    return kAlternate;
}

void ApplyStock(RulesRow& row, const RulesRow& base, const VariantChoices& c) {
    if (!TurnsToWaste(base)) return;
    if (c.cards_per_press && *c.cards_per_press >= 1 && *c.cards_per_press <= kMaxCardsPerPress)
        Put(row, kCardsPerPress, *c.cards_per_press);
    if (c.passes && (*c.passes == kUnlimitedPasses || (*c.passes >= 1 && *c.passes <= kMaxPasses)))
        Put(row, kPasses, *c.passes);
}

// Whole runs keep the base game's own limit when it has one; a game that
// moved card by card gets the limit of free cells and spaces when it has
// free cells, else no limit, and its runs must be proper sequences.
void ApplyRuns(RulesRow& row, const RulesRow& base, RunMoves runs) {
    if (runs == RunMoves::kCardByCard) return Put(row, kRunLimit, kOneCard);
    if (At(base, kRunLimit) != kOneCard) return Put(row, kRunLimit, At(base, kRunLimit));
    Put(row, kRunLimit, HasFreeCells(row) && At(row, kReserves) > 0 ? kFreeCellRun : kUnlimitedRun);
    if (At(row, kRunValidity) != 10) Put(row, kRunValidity, kEveryCardFits);
}

void ApplyFoundations(RulesRow& row, FoundationStart start) {
    const int count = At(row, kFoundations);
    const bool aces = start == FoundationStart::kAcesUp;
    PutAll(row, kFoundationBase, count, aces ? kAce : kKing);
    PutAll(row, kFoundationDirection, count, aces ? kUp : kDown);
}

}  // namespace

VariantChoices ChoicesOf(const RulesRow& row) {
    VariantChoices c;
    if (TurnsToWaste(row)) {
        c.cards_per_press = At(row, kCardsPerPress);
        c.passes = At(row, kPasses);
    }
    if (HasFreeCells(row)) c.free_cells = At(row, kReserves);
    c.space = SpaceOf(row);
    c.build = BuildOf(row);
    c.runs = RunsOf(row);
    c.foundations = FoundationsOf(row);
    return c;
}

RulesRow ApplyChoices(const RulesRow& base, const VariantChoices& c) {
    RulesRow row = base;
    const VariantChoices offered = ChoicesOf(base);
    ApplyStock(row, base, c);
    if (offered.free_cells && c.free_cells && *c.free_cells >= 0 && *c.free_cells <= MaxFreeCells(base))
        Put(row, kReserves, *c.free_cells);
    const int tableaus = At(base, kTableaus);
    if (offered.space && c.space) PutAll(row, kTableauEmptyRule, tableaus, SpaceValue(*c.space));
    if (offered.build && c.build) PutAll(row, kTableauBuild, tableaus, BuildValue(*c.build));
    if (offered.runs && c.runs) ApplyRuns(row, base, *c.runs);
    if (offered.foundations && c.foundations) ApplyFoundations(row, *c.foundations);
    return row;
}

}  // namespace velmora
