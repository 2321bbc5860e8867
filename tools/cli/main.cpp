// velmora-cli: the headless driver. Finds GAMES.DAT beside its executable;
// "--games <file>" points elsewhere.
#include <unistd.h>

#include <climits>
#include <iostream>
#include <string>

#include "driver.h"

namespace {

std::string ExecutableFolder() {
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (n <= 0) return "./";
    std::string folder(path, static_cast<size_t>(n));
    return folder.substr(0, folder.find_last_of('/') + 1);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = ExecutableFolder();
    std::string games = folder + "GAMES.DAT";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--games" && i + 1 < argc) {
            games = argv[++i];
        } else {
            std::cerr << "usage: velmora-cli [--games <GAMES.DAT>]\n";
            return 2;
        }
    }
    std::ios::sync_with_stdio(false);
    velmora::cli::Driver driver(folder, games);
    driver.Run(std::cin, std::cout);
    return 0;
}
