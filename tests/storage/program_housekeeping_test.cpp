#include "storage/program_housekeeping.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "program_folder.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

class Housekeeping : public ::testing::Test {
  protected:
    void Put(const std::string& name) const {
        const fs::path path = folder.Path() / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "x";
    }
    bool Has(const std::string& name) const { return fs::exists(folder.Path() / name); }

    testing_support::ProgramFolder folder;
};

TEST_F(Housekeeping, VersionMarkerIsWrittenOnceAndNeverReplaced) {
    ASSERT_TRUE(WriteVersionMarker(folder.Folder()));
    std::ifstream in(folder.Path() / "QORV0520.DAT");
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "Tabloria version: 05.20\r\n");

    // A marker in other letters is the same file, kept as it is.
    fs::remove(folder.Path() / "QORV0520.DAT");
    Put("qorv0520.dat");
    ASSERT_TRUE(WriteVersionMarker(folder.Folder()));
    EXPECT_FALSE(Has("QORV0520.DAT"));
}

TEST_F(Housekeeping, EachFamilyGoesOnlyWhenItsFirstFileIsThere) {
    for (const char* name :
         {"IMAGES/GAME0000.BMP", "IMAGES/game0057.bmp", "IMAGES/GAME0100.BMP",
          "IMAGES/GAME0101.BMP", "IMAGES/WM001.BMP", "IMAGES/CB001C.BMP", "IMAGES/CB005S.BMP",
          "IMAGES/CM003H.BMP", "IMAGES/CB006S.BMP", "Tabloria.dll", "IMAGES/OTHER.BMP"})
        Put(name);
    RemoveObsoleteFiles(folder.Folder());

    for (const char* gone :
         {"IMAGES/GAME0000.BMP", "IMAGES/game0057.bmp", "IMAGES/GAME0100.BMP", "IMAGES/CB001C.BMP",
          "IMAGES/CB005S.BMP", "IMAGES/CM003H.BMP", "Tabloria.dll"})
        EXPECT_FALSE(Has(gone)) << gone;
    // Past the last number, a family without its first file, and other files stay.
    for (const char* kept :
         {"IMAGES/GAME0101.BMP", "IMAGES/WM001.BMP", "IMAGES/CB006S.BMP", "IMAGES/OTHER.BMP"})
        EXPECT_TRUE(Has(kept)) << kept;
}

}  // namespace
}  // namespace velmora
