#include "storage/solver_settings.h"

#include <algorithm>

#include "storage/preference_keys.h"
#include "storage/settings_file.h"

namespace velmora {

SolverSettings ReadSolverSettings(const SettingsFile& settings) {
    SolverSettings solver;
    solver.show_winnable = settings.IsYes(key::kShowWinnable);
    solver.winnable_deals_only = settings.IsYes(key::kWinnableDealsOnly);
    solver.memory_mb = std::clamp(settings.ReadInt(key::kSolverMemoryMB), kSolverMemoryLeastMB, kSolverMemoryMostMB);
    return solver;
}

}  // namespace velmora
