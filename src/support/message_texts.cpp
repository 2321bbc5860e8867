#include "support/message_texts.h"

namespace velmora::text {
namespace {

constexpr std::string_view kCopyOrReinstall =
    "Copy the file into the directory that above is specified\ror reinstall the program.";

std::string Joined(std::initializer_list<std::string_view> parts) {
    std::string joined;
    for (std::string_view part : parts) joined += part;
    return joined;
}

}  // namespace

const std::string_view kScreenUnder256Colors =
    "At this time your video driver supports 256 colors or less. This program takes advantage of the "
    "16 bit (65,536 colors) or the 24 bit (16.8 million colors) palettes or higher resolutions. \r"
    "If your video driver allows High or True color mode settings (16 bit or 24 bit), modify your screen "
    "resolution using the Display Properties Settings in the Control Panel.";

std::string CustomizedBackgroundNotFound(std::string_view path) {
    return Joined({"Customized background image not found: ", path});
}

std::string SettingsNotSaved(std::string_view path) {
    return Joined({"Your settings cannot be saved. The file\r", path,
                   "\rcannot be written: the disk may be full, or the folder may not allow changes.\r"
                   "The program goes on, but settings changed from now on are lost when it ends."});
}

std::string MissingImageFile(std::string_view path) {
    return Joined({"Cannot find images file:\r", path, "\r", "Some program components cannot be shown correctly.",
                   "\r", kCopyOrReinstall});
}

std::string MissingFile(std::string_view path) {
    return Joined({"Cannot find file:\r", path, "\r", kCopyOrReinstall});
}

std::string UnreadableFile(std::string_view path) {
    return Joined({"Cannot read file:\r", path, "\r", kCopyOrReinstall});
}

std::string DamagedFile(std::string_view path, std::string_view problem) {
    return Joined({"The file is damaged:\r", path, "\r", problem, "\r", kCopyOrReinstall});
}

// The path as it is on disk, so the player can find the file.
std::string CannotLoadLibrary(std::string_view path) { return Joined({"Can't find/load ", path}); }

}  // namespace velmora::text
