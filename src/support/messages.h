#pragma once
// The program's messages: information boxes, advice boxes the player can
// silence for good, and the fatal boxes for missing files. The decisions
// (which text, whether advice is silenced, when the program ends) live here;
// the boxes themselves are behind MessageBoxes (QtMessageBoxes in the window).

#include <functional>
#include <string>
#include <string_view>

#include "engine/model/outward.h"
#include "engine/model/param_record.h"

namespace velmora {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An information box with one OK button; returns when it is closed.
    virtual void Information(std::string_view text) = 0;
    // The advice box showing picture `page`; true when the player ticked
    // "Don't show this message box again".
    virtual bool Advice(std::string_view text, int page) = 0;
    // A box with the caption "Error" and the error icon.
    virtual void Error(std::string_view text) = 0;
};

class MessageService : public Messages {
public:
    // `end_program` ends the process with the given exit code (std::exit
    // unless a test replaces it).
    using EndProgram = std::function<void(int)>;

    MessageService(const ParamRecord& params, MessageBoxes& boxes, EndProgram end_program = {});

    void ShowInfo(std::string_view text) override;
    // Shows the advice unless Show_Messages/`key` is "N"; a ticked box writes "N".
    void ShowAdvice(std::string_view text, std::string_view key, int page);
    // True when the file exists; otherwise the error box, then the end of the program.
    bool FatalMissingImage(const std::string& path);
    bool FatalMissingFile(const std::string& path);

private:
    bool FatalUnlessExists(const std::string& path, const std::string& text);

    const ParamRecord& params_;
    MessageBoxes& boxes_;
    EndProgram end_program_;
};

// The text as the boxes show it: each "\r" (or "\r\n") becomes a line break.
std::string ForDisplay(std::string_view text);

}  // namespace velmora
