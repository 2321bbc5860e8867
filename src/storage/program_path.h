#pragma once
// Paths of the program's data files. Names are written with backslashes
// ("DATA\CFG.DAT") and found on disk without regard to case, as the program's
// files have always been; missing folders are created with the program's own
// spelling, so there is one DATA folder, never a second "Data".

#include <string>
#include <string_view>

namespace velmora {

// `program_folder` (ending with a separator) joined with `relative`, whose
// backslashes become '/'. Each part that exists under any case is taken with
// its spelling on disk. With `create_folders`, missing folders on the way are
// created (a failure is ignored: the later file access reports it).
std::string ResolveProgramPath(std::string_view program_folder, std::string_view relative,
                               bool create_folders);

}  // namespace velmora
