#pragma once
// The texts of the program's information, advice and error boxes. "\r"
// separates lines, as the boxes expect.

#include <string>
#include <string_view>

// The score file upgrade's texts, kept beside the upgrade.
#include "storage/score_file_texts.h"

namespace velmora::text {

// The advice shown at start-up on screens of 256 colours or fewer.
inline constexpr std::string_view kScreenUnder256ColorsKey = "Screen_Under_256_Colors";
inline constexpr int kScreenUnder256ColorsPage = 0;
extern const std::string_view kScreenUnder256Colors;

// Backgrounds.
std::string CustomizedBackgroundNotFound(std::string_view path);

// A settings file that cannot be written (once per run).
std::string SettingsNotSaved(std::string_view path);

// The fatal boxes (caption "Error"), and the missing resource library.
inline constexpr std::string_view kErrorCaption = "Error";
std::string MissingImageFile(std::string_view path);
std::string MissingFile(std::string_view path);
// A required file that is there but cannot be read, or is damaged
// (`problem`: one sentence on what is wrong).
std::string UnreadableFile(std::string_view path);
std::string DamagedFile(std::string_view path, std::string_view problem);
std::string CannotLoadLibrary(std::string_view path);

}  // namespace velmora::text
