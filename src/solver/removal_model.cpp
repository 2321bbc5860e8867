#include "solver/removal_model.h"

namespace velmora::solver {

bool RemovalModel::Supports(const Engine& e) { return CompileRemovalRules(e).has_value(); }

RemovalModel::RemovalModel(const Engine& e, bool skip_dead_ends)
    : rules_(CompileRemovalRules(e).value_or(RemovalRules{})), root_(std::make_unique<Engine>()),
      skip_dead_ends_(skip_dead_ends) {
    CopyQuietly(e, *root_);
    // The game list plays no part in a position.
    root_->main_game.Catalogue().clear();
    root_->main_game.SecondList().clear();
}

}  // namespace velmora::solver
