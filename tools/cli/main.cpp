// velmora-cli: the headless driver. Finds GAMES.DAT beside its executable;
// "--games <file>" points elsewhere. Reads commands from standard input, or
// runs the one command given after the options (for build steps and
// scripts) and exits with 1 when it fails.
#include <unistd.h>

#include <climits>
#include <iostream>
#include <string>
#include <vector>

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
    int i = 1;
    for (; i < argc && std::string(argv[i]).rfind("--", 0) == 0; ++i) {
        if (std::string(argv[i]) == "--games" && i + 1 < argc) {
            games = argv[++i];
        } else {
            std::cerr << "usage: velmora-cli [--games <GAMES.DAT>] [<command> <argument>...]\n";
            return 2;
        }
    }
    std::ios::sync_with_stdio(false);
    velmora::cli::Driver driver(folder, games);
    if (i == argc) {
        driver.Run(std::cin, std::cout);
        return 0;
    }
    const velmora::cli::Reply reply = driver.Call(argv[i], std::vector<std::string>(argv + i + 1, argv + argc));
    for (const std::string& line : reply.lines) std::cout << line << '\n';
    if (reply.error.empty()) return 0;
    std::cerr << "velmora-cli: " << reply.error << '\n';
    return 1;
}
