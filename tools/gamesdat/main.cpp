// gamesdat <games.txt> <GAMES.DAT>: encodes the readable game definitions
// into the program's game-definition file. Faults in the source are listed
// as file:line: message and nothing is written.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "games_dat_writer.h"
#include "games_source.h"
#include "text/whole_file.h"

namespace {

// Written beside the target and renamed over it, so a failed run never
// leaves a half-written GAMES.DAT (nor the temporary).
bool WriteFile(const std::string& path, const std::string& contents) {
    const std::string temporary = path + ".tmp";
    bool written = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << contents;
        written = static_cast<bool>(out.flush());
    }
    if (written && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: gamesdat <games.txt> <GAMES.DAT>\n";
        return 2;
    }
    const std::string source_path = argv[1];
    std::string text;
    if (!velmora::ReadRegularFile(source_path, text)) {
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
