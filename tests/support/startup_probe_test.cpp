#include "support/startup_probe.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;

// The fields after the command name up to the start time (field 22).
constexpr const char* kFieldsToStart = "S 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 ";

TEST(StartupProbe, ReadsTheStartTimeWhateverTheCommandName) {
    struct Case {
        std::string stat;
        std::optional<long long> ticks;
    };
    const std::vector<Case> cases = {
        {std::string("42 (velmora) ") + kFieldsToStart + "987654 23 24\n", 987654},
        // A name with spaces and parentheses must not shift the fields.
        {std::string("42 (a) b (c) ") + kFieldsToStart + "12 23", 12},
        {std::string("42 velmora ") + kFieldsToStart + "7", std::nullopt},
        {"42 (velmora) S 1 2 3", std::nullopt},
        {std::string("42 (velmora) ") + kFieldsToStart + "12x 23", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(StartTicksFromStat(c.stat), c.ticks) << c.stat;
}

TEST(StartupProbe, ReadsThisProcessesOwnStat) {
    std::ifstream file("/proc/self/stat");
    std::stringstream text;
    text << file.rdbuf();
    const std::optional<long long> ticks = StartTicksFromStat(text.str());
    ASSERT_TRUE(ticks.has_value());
    EXPECT_GE(*ticks, 0);
}

class StartupProbeFile : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("velmora_probe_" + std::to_string(getpid()));
        fs::create_directories(folder_);
        file_ = folder_ / "probe.txt";
    }
    void TearDown() override {
        unsetenv("VELMORA_STARTUP_PROBE");
        fs::remove_all(folder_);
    }

    std::vector<std::string> Lines() const {
        std::ifstream in(file_);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    fs::path folder_;
    fs::path file_;
};

TEST_F(StartupProbeFile, StaysSilentUnlessAFileIsNamed) {
    unsetenv("VELMORA_STARTUP_PROBE");
    EXPECT_FALSE(StartupProbeRequested());
    ReportStartup();
    setenv("VELMORA_STARTUP_PROBE", "", 1);
    EXPECT_FALSE(StartupProbeRequested());
    ReportStartup();
    EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(StartupProbeFile, AppendsTheMillisecondsSinceTheStartAndTheWallClockPerReport) {
    setenv("VELMORA_STARTUP_PROBE", file_.c_str(), 1);
    EXPECT_TRUE(StartupProbeRequested());
    ReportStartup();
    ReportStartup();
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 2u);
    const auto now_ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                            std::chrono::system_clock::now().time_since_epoch()).count();
    for (const std::string& line : lines) {
        const size_t space = line.find(' ');
        ASSERT_NE(space, std::string::npos) << line;
        const std::string since_start = line.substr(0, space);
        const std::string wall = line.substr(space + 1);
        ASSERT_FALSE(since_start.empty());
        EXPECT_EQ(since_start.find_first_not_of("0123456789"), std::string::npos) << line;
        ASSERT_FALSE(wall.empty());
        ASSERT_EQ(wall.find_first_not_of("0123456789"), std::string::npos) << line;
        // Written a moment ago, in nanoseconds.
        EXPECT_LE(std::llabs(std::stoll(wall) - now_ns), 60'000'000'000LL) << line;
    }
}

}  // namespace
}  // namespace velmora
