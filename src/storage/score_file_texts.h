#pragma once
// The information boxes of the score file upgrade. They live with the
// upgrade (storage) and are shown through the engine's Messages; the
// program's other message texts (support/message_texts.h) include them.

#include <string>
#include <string_view>

namespace velmora::text {

inline constexpr std::string_view kErrorCreatingTempFile = "Error creating temp file.";

inline std::string ErrorDeletingFile(std::string_view path) {
    return "Error in deleting the file: " + std::string(path);
}

inline std::string ErrorRenamingFile(std::string_view from, std::string_view to) {
    return "Error in renaming the file: " + std::string(from) + "\r" + "to:" + " " + std::string(to);
}

// A read or write error while the upgrade copies the score lines.
inline std::string ErrorCopyingFile(std::string_view path) {
    return "Error in copying the file: " + std::string(path);
}

}  // namespace velmora::text
