#include "storage/solver_settings.h"

#include <gtest/gtest.h>

#include "engine/model/engine.h"
#include "program_folder.h"
#include "storage/preference_keys.h"
#include "storage/settings_file.h"

namespace velmora {
namespace {

TEST(SolverSettings, AreOffByDefaultAndTheMemoryStaysInItsBounds) {
    testing_support::ProgramFolder folder;
    std::unique_ptr<Engine> engine = EngineInit(folder.Folder());
    SettingsFile file = OpenSettingsFile(engine->params);
    SolverSettings fresh = ReadSolverSettings(file);
    EXPECT_FALSE(fresh.show_winnable);
    EXPECT_FALSE(fresh.winnable_deals_only);
    EXPECT_EQ(fresh.TableBytes(), size_t{256} << 20);

    ASSERT_TRUE(file.WriteFlag(key::kShowWinnable, true));
    ASSERT_TRUE(file.WriteFlag(key::kWinnableDealsOnly, true));
    const std::pair<const char*, int> memory[] = {
        {"1", kSolverMemoryLeastMB}, {"-40", kSolverMemoryLeastMB}, {"1000", 1000},
        {"99999999", kSolverMemoryMostMB}, {"lots", 256}, {"", 256}};
    for (const auto& [stored, expected] : memory) {
        ASSERT_TRUE(file.Write(key::kSolverMemoryMB, stored));
        const SolverSettings read = ReadSolverSettings(file);
        EXPECT_EQ(read.memory_mb, expected) << '"' << stored << '"';
        EXPECT_TRUE(read.show_winnable);
        EXPECT_TRUE(read.winnable_deals_only);
    }
}

}  // namespace
}  // namespace velmora
