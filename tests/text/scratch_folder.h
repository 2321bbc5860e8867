#pragma once
// A fresh folder for tests that put files on disk, removed afterwards.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace velmora {

class ScratchFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-text-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string Put(const std::string& name, const std::string& contents) const {
        const std::filesystem::path path = folder / name;
        std::ofstream(path, std::ios::binary) << contents;
        return path.string();
    }
    std::string MakeFolder(const std::string& name) const {
        std::filesystem::create_directories(folder / name);
        return (folder / name).string();
    }
    // Root reads every file whatever its permissions.
    static bool PermissionsBindUs() { return ::geteuid() != 0; }

    std::filesystem::path folder;
};

}  // namespace velmora
