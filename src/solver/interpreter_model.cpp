#include "solver/interpreter_model.h"

#include "solver/position_key.h"

namespace velmora::solver {

InterpreterModel::State::State(const Engine& e) : engine_(std::make_unique<Engine>()) { CopyQuietly(e, *engine_); }

InterpreterModel::State& InterpreterModel::State::operator=(const State& other) {
    if (this != &other) *this = State(*other.engine_);
    return *this;
}

InterpreterModel::State InterpreterModel::Root(const Engine& e) const {
    State root(e);
    root.engine().main_game.Catalogue().clear();
    root.engine().main_game.SecondList().clear();
    return root;
}

bool InterpreterModel::IsWon(const State& s) const { return IsWonPosition(s.engine()); }

uint64_t InterpreterModel::Key(const State& s) const { return PositionKey(s.engine()); }

}  // namespace velmora::solver
