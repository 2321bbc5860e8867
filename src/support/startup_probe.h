#pragma once
// Start-up benchmark probe (bench/startup): when VELMORA_STARTUP_PROBE names a file, ReportStartup() appends the milliseconds since the process started and the wall-clock time to it; otherwise nothing happens.

#include <optional>
#include <string_view>

namespace velmora {

// Whether a start-up report was asked for (the variable is set and not empty).
bool StartupProbeRequested();

// Appends "<milliseconds since the process started> <nanoseconds since the
// epoch>\n" to the named file.
void ReportStartup();

// The process's start time in clock ticks since boot, from the text of
// /proc/<pid>/stat; none when the text is malformed.
std::optional<long long> StartTicksFromStat(std::string_view stat);

}  // namespace velmora
