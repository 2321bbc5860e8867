#pragma once
// Where the player's files live. A program folder the player may write to
// (a copy unpacked into the home folder, say) keeps its DATA folder beside
// the program, so the whole program moves as one folder. An installed copy
// (under /usr) cannot: its player files go to the per-user data folder of
// the desktop instead, with the same names below it.

#include <string>

namespace velmora {

// The environment the choice depends on, so that it can be tried without
// touching the real one.
struct DataFolderEnvironment {
    std::string xdg_data_home;  // $XDG_DATA_HOME; ignored unless absolute
    std::string home;           // $HOME
};

DataFolderEnvironment CurrentDataFolderEnvironment();

// The file that marks an installed program folder (the install puts it
// there): such a folder never keeps player files, whoever may write to it.
inline constexpr const char* kInstalledMark = "velmora.installed";

// The folder (ending with '/') under which "DATA\..." and the version marker
// are kept: `program_folder` when its DATA folder (or, before there is one,
// the program folder itself) can be written and it is no installed copy;
// otherwise $XDG_DATA_HOME/velmora/ (default ~/.local/share/velmora/),
// created here.
// Without a usable home either, the program folder (writes there fail as
// they always did).
std::string DataFolderFor(const std::string& program_folder, const DataFolderEnvironment& env);

}  // namespace velmora
