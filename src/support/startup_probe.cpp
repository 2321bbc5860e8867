#include "support/startup_probe.h"

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace velmora {

namespace {

constexpr const char* kProbeVariable = "VELMORA_STARTUP_PROBE";
// Fields after the command name: the state is field 3, the start time field 22.
constexpr int kStartTimeAfterName = 22 - 3;

const char* ProbeFile() {
    const char* file = std::getenv(kProbeVariable);
    return file && *file ? file : nullptr;
}

std::string_view NextField(std::string_view& rest) {
    const size_t begin = rest.find_first_not_of(' ');
    if (begin == std::string_view::npos) return {};
    rest.remove_prefix(begin);
    const size_t end = std::min(rest.find(' '), rest.size());
    const std::string_view field = rest.substr(0, end);
    rest.remove_prefix(end);
    return field;
}

// Milliseconds since boot on the clock the kernel dates processes by.
double BootClockMs() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

}  // namespace

bool StartupProbeRequested() { return ProbeFile() != nullptr; }

std::optional<long long> StartTicksFromStat(std::string_view stat) {
    // The command name is in parentheses and may itself hold spaces and ')'.
    const size_t name_end = stat.rfind(')');
    if (name_end == std::string_view::npos) return std::nullopt;
    std::string_view rest = stat.substr(name_end + 1);
    for (int i = 0; i < kStartTimeAfterName; ++i)
        if (NextField(rest).empty()) return std::nullopt;
    const std::string_view field = NextField(rest);
    long long ticks = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), ticks);
    if (field.empty() || error != std::errc() || end != field.data() + field.size()) return std::nullopt;
    return ticks;
}

void ReportStartup() {
    const char* file = ProbeFile();
    if (!file) return;
    std::ifstream stat_file("/proc/self/stat");
    const std::string stat((std::istreambuf_iterator<char>(stat_file)), std::istreambuf_iterator<char>());
    const std::optional<long long> ticks = StartTicksFromStat(stat);
    const long ticks_per_second = sysconf(_SC_CLK_TCK);
    if (!ticks || ticks_per_second <= 0) return;
    const double started_ms = static_cast<double>(*ticks) * 1000.0 / static_cast<double>(ticks_per_second);
    // The kernel dates a process in clock ticks (10 ms); the wall clock lets
    // a watcher that noted the time of its exec measure to the microsecond.
    timespec wall{};
    clock_gettime(CLOCK_REALTIME, &wall);
    const long long wall_ns = static_cast<long long>(wall.tv_sec) * 1'000'000'000LL + wall.tv_nsec;
    std::ofstream(file, std::ios::app) << static_cast<long long>(BootClockMs() - started_ms) << ' ' << wall_ns << '\n';
}

}  // namespace velmora
