#pragma once
// Tidying the program folder at start-up: the version marker file, and the
// files that earlier installations left behind and this one no longer uses.

#include <string>

namespace velmora {

// "QORV" + version + ".DAT" in the program folder, created when missing with
// the line "Tabloria version: " + the version's first two digits + "." + its
// last two. True when the marker exists afterwards.
bool WriteVersionMarker(const std::string& program_folder);

// Removes the obsolete pictures (the IMAGES\GAME, W?nnn and card-set files,
// each family only when its first file is there) and "TABLORIA.DLL". Names
// are found without regard to case; missing files are skipped.
void RemoveObsoleteFiles(const std::string& program_folder);

}  // namespace velmora
