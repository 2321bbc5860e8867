#include "storage/program_housekeeping.h"

#include <fstream>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "text/fixed_text.h"

namespace velmora {

namespace {

constexpr std::string_view kVersion = "0520";

std::string Existing(const std::string& folder, std::string_view name) {
    return FindPath(folder, name, EntryKind::File);
}

bool Exists(const std::string& folder, std::string_view name) {
    return FileExists(Existing(folder, name));
}

void RemoveAll(const std::string& folder, const std::vector<std::string>& names) {
    for (const std::string& name : names) RemoveFile(Existing(folder, name));
}

std::string Numbered(std::string_view prefix, int number, int digits, std::string_view suffix) {
    return std::string(prefix) + ZeroPad(number, digits) + std::string(suffix);
}

std::vector<std::string> GamePictures() {
    std::vector<std::string> names;
    for (int n = 0; n <= 100; ++n) names.push_back(Numbered("IMAGES\\GAME", n, 4, ".BMP"));
    return names;
}

std::vector<std::string> WinningPictures() {
    std::vector<std::string> names;
    for (int n = 0; n <= 25; ++n)
        for (std::string_view kind : {"IMAGES\\WB", "IMAGES\\WM", "IMAGES\\WP"})
            names.push_back(Numbered(kind, n, 3, ".BMP"));
    return names;
}

std::vector<std::string> CardSetPictures() {
    std::vector<std::string> names;
    for (int n = 1; n <= 5; ++n)
        for (std::string_view suit : {"C", "D", "H", "S"})
            names.push_back(Numbered("IMAGES\\CB", n, 3, std::string(suit) + ".BMP"));
    for (std::string_view size : {"IMAGES\\CM003", "IMAGES\\CL003"})
        for (std::string_view suit : {"C", "D", "H", "S"})
            names.push_back(std::string(size) + std::string(suit) + ".BMP");
    return names;
}

}  // namespace

bool WriteVersionMarker(const std::string& program_folder) {
    const std::string name = "QORV" + std::string(kVersion) + ".DAT";
    if (Exists(program_folder, name)) return true;
    std::ofstream out(program_folder + name, std::ios::binary);
    out << "Tabloria version: " << kVersion.substr(0, 2) << '.' << kVersion.substr(2, 2) << "\r\n";
    return static_cast<bool>(out);
}

void RemoveObsoleteFiles(const std::string& program_folder) {
    if (Exists(program_folder, "IMAGES\\GAME0000.BMP")) RemoveAll(program_folder, GamePictures());
    if (Exists(program_folder, "IMAGES\\WB001.BMP")) RemoveAll(program_folder, WinningPictures());
    if (Exists(program_folder, "IMAGES\\CB001C.BMP")) RemoveAll(program_folder, CardSetPictures());
    RemoveFile(Existing(program_folder, "TABLORIA.DLL"));
}

}  // namespace velmora
