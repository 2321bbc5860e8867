#include "solver/interpreter_model.h"

#include "engine/model/pile_string.h"
#include "engine/model/position_snapshot.h"
#include "solver/position_key.h"

namespace velmora::solver {

namespace {

constexpr char kPileEnd = '|';

}  // namespace

InterpreterModel::InterpreterModel(const Engine& e)
    : start_(std::make_unique<Engine>()), scratch_(std::make_unique<Engine>()) {
    CopyQuietly(e, *start_);
    // The game list plays no part in a position; the copies go without it.
    start_->main_game.Catalogue().clear();
    start_->main_game.SecondList().clear();
}

InterpreterModel::State InterpreterModel::Root() const { return Pack(*start_); }

InterpreterModel::State InterpreterModel::Pack(const Engine& e) {
    State s;
    for (int n = 0; n < kAllPiles; ++n) {
        s.piles += EncodePile(e.cards, *e.piles.Flat(n));
        s.piles += kPileEnd;
    }
    s.fields.resize(TMainGame::kFieldCount);
    for (int i = 0; i < TMainGame::kFieldCount; ++i) s.fields[static_cast<size_t>(i)] = static_cast<int16_t>(e.main_game.Field(i));
    for (int f = 1; f <= GameFlags::kCount; ++f) s.flags.push_back(e.flags.Get(f) ? 1 : 0);
    s.deal_counter = e.deal_counter;
    s.redeal_armed = e.play.redeal_armed;
    s.no_refill = e.play.no_refill;
    s.won = IsWonPosition(e);
    s.key = PositionKey(e);
    return s;
}

void InterpreterModel::Unpack(const State& s, Engine& out) const {
    CopyQuietly(*start_, out);
    size_t at = 0;
    for (int n = 0; n < kAllPiles; ++n) {
        std::string& pile = *out.piles.Flat(n);
        pile.clear();
        for (; at < s.piles.size() && s.piles[at] != kPileEnd; at += 4) {
            pile.append(s.piles, at, 3);
            const int code = PileCodeAt(std::string_view(s.piles).substr(at, 3), 0);
            if (code > 0) out.cards.SetFaceState(code, s.piles[at + 3]);
        }
        ++at;
    }
    for (int i = 0; i < TMainGame::kFieldCount; ++i) out.main_game.SetField(i, s.fields[static_cast<size_t>(i)]);
    for (int f = 1; f <= GameFlags::kCount; ++f) out.flags.Set(f, s.flags[static_cast<size_t>(f - 1)] != 0);
    out.deal_counter = s.deal_counter;
    out.play.redeal_armed = s.redeal_armed;
    out.play.no_refill = s.no_refill;
}

std::vector<Child> InterpreterModel::Children(const State& s) const {
    Unpack(s, *scratch_);
    return ListChildren(*scratch_);
}

void InterpreterModel::Apply(State& s, const Move& move) const {
    Unpack(s, *scratch_);
    PlayMove(*scratch_, move);
    s = Pack(*scratch_);
}

bool InterpreterModel::IsWon(const State& s) const { return s.won; }

}  // namespace velmora::solver
