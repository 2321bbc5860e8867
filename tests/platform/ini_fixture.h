#pragma once
// A settings file in a fresh temporary folder, removed after the test.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace velmora {

class IniFixture : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-ini-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        path = (folder / "CFG.DAT").string();
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    void Put(const std::string& contents) const { std::ofstream(path, std::ios::binary) << contents; }
    std::string Contents() const {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    size_t EntriesInFolder() const {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                 std::filesystem::directory_iterator()));
    }

    std::filesystem::path folder;
    std::string path;
};

}  // namespace velmora
