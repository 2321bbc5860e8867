#include "solver/compiled_model.h"

namespace velmora::solver {

bool CompiledModel::Supports(const Engine& e) { return CompileRules(e).has_value(); }

CompiledModel::CompiledModel(const Engine& e) : rules_(CompileRules(e).value_or(CompiledRules{})) {
    auto root = std::make_shared<Engine>();
    CopyQuietly(e, *root);
    // The game list plays no part in a position.
    root->main_game.Catalogue().clear();
    root->main_game.SecondList().clear();
    root_ = std::move(root);
}

}  // namespace velmora::solver
