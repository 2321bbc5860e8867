#include "solver/compiled_model.h"

namespace velmora::solver {

bool CompiledModel::Supports(const Engine& e) { return CompileRules(e).has_value(); }

CompiledModel::CompiledModel(const Engine& e) : rules_(CompileRules(e).value_or(CompiledRules{})), root_(std::make_unique<Engine>()) {
    CopyQuietly(e, *root_);
    // The game list plays no part in a position.
    root_->main_game.Catalogue().clear();
    root_->main_game.SecondList().clear();
}

}  // namespace velmora::solver
