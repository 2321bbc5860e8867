#include "solver/compiled_play.h"

#include <algorithm>
#include <vector>

#include "engine/deal/redeal_shuffle.h"

#include "solver/compiled_checks.h"

namespace velmora::solver {

namespace {

// Every pass of automatic play moves a card home; a round never needs more.
constexpr int kMostPasses = 2 * 108;
constexpr int kSuitCards = 13;

}  // namespace

void CompiledPlay::Move(int from, int at, int to) {
    const bool loose = r_.reserve_cards_loose && r_.IsReserve(from);
    const bool run_pile = r_.IsTableau(from) || r_.IsReserve(from);
    if (loose) {
        p_.MoveCard(from, at, to);
    } else if (r_.IsTableau(to) && run_pile) {
        p_.MoveCards(from, at, to);
    } else {
        // A single card, which is the top card wherever the rules let it go.
        p_.MoveCards(from, p_.Count(from) - 1, to);
    }
    p_.first_move = false;
    if (r_.IsFoundation(from) || r_.IsFoundation(to)) HomesChanged();
    AfterAction(r_.IsTableau(from));
}

void CompiledPlay::AfterAction(bool left_tableau) {
    if (r_.suit_run_homes && SendCompleteRuns()) left_tableau = true;
    if (r_.autoplay || !left_tableau || !r_.face_up_exposed) return;
    for (int t = 0; t < r_.tableaus; ++t) {
        const int pile = r_.Tableau(t);
        if (p_.TopDown(pile)) p_.TurnUp(pile, p_.Count(pile) - 1);
    }
}

// Pile by pile, every complete run on top (a pile may hold a second below
// the first), while an empty foundation is left.
bool CompiledPlay::SendCompleteRuns() {
    bool sent = false;
    for (int t = 0; t < r_.tableaus; ++t) {
        const int pile = r_.Tableau(t);
        while (CompleteRunOnTop(pile)) {
            int home = -1;
            for (int f = 0; f < r_.foundations && home < 0; ++f)
                if (p_.Empty(r_.Foundation(f))) home = r_.Foundation(f);
            if (home < 0) return sent;
            p_.MoveCards(pile, p_.Count(pile) - kSuitCards, home);
            HomesChanged();
            sent = true;
        }
    }
    return sent;
}

bool CompiledPlay::CompleteRunOnTop(int pile) const {
    const int first = p_.Count(pile) - kSuitCards;
    if (first < 0) return false;
    const int king = CodeOf(p_.At(pile, first));
    for (int k = 0; k < kSuitCards; ++k) {
        const uint8_t card = p_.At(pile, first + k);
        if (IsDown(card) || RankOf(CodeOf(card)) != kSuitCards - k || r_.Suit(CodeOf(card)) != r_.Suit(king)) return false;
    }
    return true;
}

const HomeWants& HomeFacts::Wanted() {
    if (!wanted_known_) {
        wanted_ = HomeWants(r_, p_);
        wanted_known_ = true;
    }
    return wanted_;
}

const RanksInPlay& HomeFacts::InPlay() {
    if (!in_play_known_) {
        in_play_ = RanksInPlay(r_, p_);
        in_play_known_ = true;
    }
    return in_play_;
}

void CompiledPlay::HomesChanged() {
    before_ = nullptr;
    wanted_known_ = in_play_known_ = false;
}

bool CompiledPlay::MayGoHome(int code) {
    if (!wanted_known_) {
        wanted_ = before_ != nullptr ? before_->Wanted() : HomeWants(r_, p_);
        wanted_known_ = true;
    }
    return wanted_.Has(code);
}

bool CompiledPlay::SafeHome(int code) {
    if (r_.home_rule == HomeRule::Greedy) return true;
    if (!in_play_known_) {
        in_play_ = before_ != nullptr ? before_->InPlay() : RanksInPlay(r_, p_);
        in_play_known_ = true;
    }
    return in_play_.SafeHome(r_.home_rule, code);
}

bool CompiledPlay::PressStock() {
    if (!r_.stock_pressable) return false;
    if (r_.redeals_tableau) return RedealTableau();
    if (r_.deals_to_tableaus || r_.deals_to_reserves) return DealFromStock();
    if (r_.turns_onto_empty_waste && !p_.Empty(kCompiledWaste)) return false;
    if (p_.Empty(kCompiledStock)) {
        const bool pass_left = r_.passes == -1 || p_.passes < r_.passes;
        if (p_.Count(kCompiledWaste) < 2 || !pass_left) return false;
        ++p_.passes;
        // Card by card from the waste's top: its first card ends on top.
        while (!p_.Empty(kCompiledWaste)) {
            const uint8_t card = p_.Pop(kCompiledWaste);
            p_.Push(kCompiledStock, static_cast<uint8_t>(CodeOf(card) | (r_.stock_face_down ? kFaceDownBit : 0)));
        }
    }
    for (int n = 0; n < r_.turn_count && !p_.Empty(kCompiledStock); ++n)
        p_.Push(kCompiledWaste, static_cast<uint8_t>(CodeOf(p_.Pop(kCompiledStock))));
    p_.first_move = false;
    return true;
}

// The tableau gathered pile by pile from the bottom, shuffled for the pass
// now counted and dealt again face up, the last pile taking what is left.
bool CompiledPlay::RedealTableau() {
    if (!p_.Empty(kCompiledStock) || !(r_.passes == -1 || p_.passes < r_.passes)) return false;
    ++p_.passes;
    p_.first_move = false;
    std::vector<int> cards;
    for (int t = 0; t < r_.tableaus; ++t) {
        const int pile = r_.Tableau(t);
        for (int at = 0; at < p_.Count(pile); ++at) cards.push_back(CodeOf(p_.At(pile, at)));
        while (!p_.Empty(pile)) p_.Pop(pile);
    }
    ShuffleForRedeal(cards, r_.deal_number, p_.passes);
    for (size_t i = 0; i < cards.size(); ++i) {
        const int t = std::min(static_cast<int>(i) / r_.redeal_pile_size, r_.tableaus - 1);
        p_.Push(r_.Tableau(t), static_cast<uint8_t>(cards[i]));
    }
    return true;
}

bool CompiledPlay::DealFromStock() {
    if (p_.Empty(kCompiledStock)) return false;
    if (r_.deal_needs_no_gaps)
        for (int t = 0; t < r_.tableaus; ++t)
            if (p_.Empty(r_.Tableau(t))) return false;
    const int first = r_.deals_to_reserves ? r_.Reserve(0) : r_.Tableau(0);
    const int piles = r_.deals_to_reserves ? r_.reserves : r_.tableaus;
    bool dealt = false;
    for (int i = 0; i < piles && !p_.Empty(kCompiledStock); ++i) {
        if (!r_.deal_receives[static_cast<size_t>(i)]) continue;
        p_.Push(first + i, static_cast<uint8_t>(CodeOf(p_.Pop(kCompiledStock))));
        dealt = true;
    }
    if (!dealt) return false;
    p_.first_move = false;
    AfterAction(false);
    return true;
}

bool CompiledPlay::DoubleClick(int pile) {
    const int to = ClickTarget(pile);
    if (to < 0) return false;
    Move(pile, p_.Count(pile) - 1, to);
    return true;
}

int CompiledPlay::ClickTarget(int pile) {
    if (!r_.click_to_foundations || p_.Empty(pile) || p_.TopDown(pile)) return -1;
    if (r_.IsFoundation(pile) && !(r_.foundation_pickup == 1 || (r_.foundation_pickup == 2 && p_.Count(pile) >= 2)))
        return -1;
    if (r_.IsTableau(pile) && r_.run_limit == 0) return -1;
    const int home = HomeFor(pile, false);
    if (home >= 0) return home;
    const CompiledChecks checks(r_, p_);
    const int top = p_.Count(pile) - 1;
    for (int res = 0; res < r_.reserves; ++res)
        if (checks.CanDrop(pile, top, r_.Reserve(res))) return r_.Reserve(res);
    return -1;
}

bool CompiledPlay::SendHome(int pile, bool automatic) {
    const int home = HomeFor(pile, automatic);
    if (home < 0) return false;
    Move(pile, p_.Count(pile) - 1, home);
    return true;
}

int CompiledPlay::HomeFor(int pile, bool automatic) {
    if (p_.Empty(pile) || p_.TopDown(pile) || !MayGoHome(p_.Top(pile))) return -1;
    if (automatic && !SafeHome(p_.Top(pile))) return -1;
    const CompiledChecks checks(r_, p_);
    for (int f = 0; f < r_.foundations; ++f) {
        if (automatic && StartedByHandOnly(f)) continue;
        if (checks.CanDropHome(pile, r_.Foundation(f))) return r_.Foundation(f);
    }
    return -1;
}

bool CompiledPlay::StartedByHandOnly(int f) const {
    return r_.foundation_base[static_cast<size_t>(f)] == kBaseOfStartedHomes && p_.Empty(r_.Foundation(f));
}

void CompiledPlay::AfterRelease() {
    if (p_.over) return;
    FillGaps();
    while (r_.autoplay && !p_.over && AutoPlayRound()) FillGaps();
    EndIfWon();
}

bool CompiledPlay::AutoPlayRound() {
    bool moved = false;
    for (int pass = 0; pass < kMostPasses && AutoPlayPass(); ++pass) moved = true;
    return moved;
}

bool CompiledPlay::AutoPlayPass() {
    bool moved = false;
    for (bool again = true; again;) {
        again = false;
        for (int res = 0; res < r_.reserves; ++res) again = SendHome(r_.Reserve(res), true) || again;
        moved = moved || again;
    }
    if (SendHome(kCompiledWaste, true)) moved = true;
    return TableauPass() || moved;
}

// With free cells, every tableau card that goes home sends play back to them.
bool CompiledPlay::TableauPass() {
    bool moved = false;
    for (int t = 0; t < r_.tableaus; ++t) {
        const int pile = r_.Tableau(t);
        if (r_.face_up_exposed && p_.TopDown(pile)) p_.TurnUp(pile, p_.Count(pile) - 1);
        if (!SendHome(pile, true)) continue;
        moved = true;
        if (r_.reserves > 0) break;
    }
    return moved;
}

void CompiledPlay::FillGaps() {
    if (r_.fill_from_waste_then_stock) FillFromStockArea();
    if (!r_.fill_from_reserve || r_.reserves == 0) return;
    const int reserve = r_.Reserve(0);
    if (p_.Empty(reserve)) return;
    for (int t = 0; t < r_.tableaus && !p_.Empty(reserve); ++t)
        if (p_.Empty(r_.Tableau(t))) Move(reserve, p_.Count(reserve) - 1, r_.Tableau(t));
}

// Each empty tableau pile in order takes the waste's top card, or the
// stock's while the waste is empty.
void CompiledPlay::FillFromStockArea() {
    for (int t = 0; t < r_.tableaus; ++t) {
        if (!p_.Empty(r_.Tableau(t))) continue;
        const int source = p_.Empty(kCompiledWaste) ? kCompiledStock : kCompiledWaste;
        if (p_.Empty(source)) return;
        Move(source, p_.Count(source) - 1, r_.Tableau(t));
    }
}

void CompiledPlay::EndIfWon() {
    if (!p_.Empty(kCompiledStock) || !p_.Empty(kCompiledWaste)) return;
    for (int res = 0; res < r_.reserves; ++res)
        if (!p_.Empty(r_.Reserve(res))) return;
    for (int t = 0; t < r_.tableaus; ++t)
        if (!p_.Empty(r_.Tableau(t))) return;
    p_.over = true;
    p_.passes = 0;
}

}  // namespace velmora::solver
