#include "support/messages.h"

#include <cstdlib>
#include <filesystem>

#include "storage/settings_writers.h"
#include "support/message_texts.h"

namespace velmora {

MessageService::MessageService(const ParamRecord& params, MessageBoxes& boxes, EndProgram end_program)
    : params_(params), boxes_(boxes), end_program_(std::move(end_program)) {
    if (!end_program_) end_program_ = [](int code) { std::exit(code); };
}

void MessageService::ShowInfo(std::string_view text) { boxes_.Information(text); }

void MessageService::ShowAdvice(std::string_view text, std::string_view key, int page) {
    if (AdviceSilenced(OpenSettingsFile(params_), key)) return;
    if (!boxes_.Advice(text, page)) return;
    SettingsFile file = OpenSettingsFile(params_);  // opened again: the box may have been up for long
    SilenceAdvice(file, key);
}

bool MessageService::FatalMissingImage(const std::string& path) {
    return FatalUnlessExists(path, text::MissingImageFile(path));
}

bool MessageService::FatalMissingFile(const std::string& path) {
    return FatalUnlessExists(path, text::MissingFile(path));
}

bool MessageService::FatalUnlessExists(const std::string& path, const std::string& text) {
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) return true;
    boxes_.Error(text);
    end_program_(0);
    return false;
}

std::string ForDisplay(std::string_view text) {
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            shown += text[i];
        } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
            shown += '\n';
        }
    }
    return shown;
}

}  // namespace velmora
