#include "solver/removal_model.h"

namespace velmora::solver {

bool RemovalModel::Supports(const Engine& e) { return CompileRemovalRules(e).has_value(); }

RemovalModel::RemovalModel(const Engine& e, bool prune)
    : rules_(CompileRemovalRules(e).value_or(RemovalRules{})), root_(std::make_unique<Engine>()),
      prune_(prune) {
    CopyQuietly(e, *root_);
    // The game list plays no part in a position.
    root_->main_game.Catalogue().clear();
    root_->main_game.SecondList().clear();
}

}  // namespace velmora::solver
