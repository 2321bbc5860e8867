#include "solver/position_key.h"

#include <string>

#include "engine/model/pile_lists.h"
#include "engine/play/move_log.h"

namespace velmora::solver {

namespace {

constexpr uint64_t kOffset = 14695981039346656037ULL;
constexpr uint64_t kPrime = 1099511628211ULL;

class Hasher {
  public:
    void Byte(unsigned char b) { h_ = (h_ ^ b) * kPrime; }
    void Number(int n) {
        for (int shift = 0; shift < 32; shift += 8) Byte(static_cast<unsigned char>((n >> shift) & 0xff));
    }
    uint64_t Value() const { return h_; }

  private:
    uint64_t h_ = kOffset;
};

// The pile's characters and, per card, whether it lies face down.
void HashPile(Hasher& h, const Engine& e, const std::string& pile) {
    for (char c : pile) h.Byte(static_cast<unsigned char>(c));
    h.Byte('|');
    for (size_t at = 0; at + 3 <= pile.size(); at += 3) {
        const int code = (pile[at] - '0') * 100 + (pile[at + 1] - '0') * 10 + (pile[at + 2] - '0');
        h.Byte(code > 0 && e.cards.IsFaceDown(code) ? 'd' : 'u');
    }
    h.Byte('/');
}

uint64_t Key(const Engine& e, bool with_selection) {
    Hasher h;
    const bool skip_selection = !with_selection && KeepsSelection(e);
    for (int n = 0; n < kAllPiles; ++n) {
        if (skip_selection && n == kStockAreaPiles) continue;
        HashPile(h, e, *e.piles.Flat(n));
    }
    for (int f : {field::kPassCounter, field::kDealCounterA, field::kDealCounterB})
        h.Number(e.main_game.Field(f));
    h.Number(e.deal_counter);
    h.Number(e.main_game.Field(field::kMoveCounter) == 0 ? 1 : 0);
    for (int f : {flag::kInProgress, flag::kFinished, flag::kStockDealDone}) h.Byte(e.flags.Get(f) ? 1 : 0);
    h.Byte(e.play.no_refill ? 1 : 0);
    h.Byte(e.play.redeal_armed ? 1 : 0);
    return h.Value();
}

}  // namespace

uint64_t PositionKey(const Engine& e) { return Key(e, true); }

uint64_t TableKey(const Engine& e) { return Key(e, false); }

}  // namespace velmora::solver
