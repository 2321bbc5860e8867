// gamesdat <games.txt> <GAMES.DAT>: encodes the readable game definitions
// into the program's game-definition file. Faults in the source are listed
// as file:line: message and nothing is written.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "games_dat_writer.h"
#include "games_source.h"

namespace {

bool ReadFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Written beside the target and renamed over it, so a failed run never
// leaves a half-written GAMES.DAT.
bool WriteFile(const std::string& path, const std::string& contents) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << contents;
        if (!out.flush()) return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: gamesdat <games.txt> <GAMES.DAT>\n";
        return 2;
    }
    const std::string source_path = argv[1];
    std::string text;
    if (!ReadFile(source_path, text)) {
        std::cerr << source_path << ": cannot be read\n";
        return 1;
    }
    const velmora::gamesdat::GamesSource source = velmora::gamesdat::ParseGamesSource(text);
    for (const velmora::gamesdat::SourceError& error : source.errors)
        std::cerr << velmora::gamesdat::FormatError(source_path, error) << "\n";
    if (!source.errors.empty()) return 1;
    if (!WriteFile(argv[2], velmora::gamesdat::EncodeGamesDat(source.games))) {
        std::cerr << argv[2] << ": cannot be written\n";
        return 1;
    }
    return 0;
}
