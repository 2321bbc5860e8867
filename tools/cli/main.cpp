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
#include "platform/data_folder.h"

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
    // The player's files live where the program keeps them, unless told.
    std::string data = velmora::DataFolderFor(folder, velmora::CurrentDataFolderEnvironment());
    int i = 1;
    for (; i < argc && std::string(argv[i]).rfind("--", 0) == 0; ++i) {
        if (std::string(argv[i]) == "--games" && i + 1 < argc) {
            games = argv[++i];
        } else if (std::string(argv[i]) == "--data" && i + 1 < argc) {
            data = argv[++i];
            if (!data.empty() && data.back() != '/') data += '/';
        } else {
            std::cerr << "usage: velmora-cli [--games <GAMES.DAT>] [--data <folder>] [<command> <argument>...]\n";
            return 2;
        }
    }
    std::ios::sync_with_stdio(false);
    velmora::cli::Driver driver(folder, games);
    driver.KeepResults(data);
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
