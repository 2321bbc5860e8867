#pragma once
// The solver's settings as the window uses them: whether the status bar
// shows the winnable verdict, whether new deals must be winnable, and the
// memory of the search's table of visited positions, kept in bounds.

#include <cstddef>

namespace velmora {

class SettingsFile;

inline constexpr int kSolverMemoryLeastMB = 16;
inline constexpr int kSolverMemoryMostMB = 4096;

struct SolverSettings {
    bool show_winnable = false;
    bool winnable_deals_only = false;
    int memory_mb = 256;
    size_t TableBytes() const { return static_cast<size_t>(memory_mb) << 20; }
};

// An odd memory value (not a number, too small, too large) is brought to
// the nearest bound, or to the default when it is no number.
SolverSettings ReadSolverSettings(const SettingsFile& settings);

}  // namespace velmora
