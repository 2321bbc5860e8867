#pragma once
// The player's notice that settings cannot be saved (a full disk, a data
// folder that cannot be written): one information box per run, however many
// writes fail. The box waits for the message loop, as writes also happen
// while the table is drawn or the window closes, where a modal box must not
// open; a notice still waiting when the loop has ended is shown by
// ShowPending.

#include <QObject>

#include <optional>
#include <string>

#include "engine/model/outward.h"
#include "storage/settings_save_report.h"

namespace velmora {

class SettingsSaveNotice final : public SettingsSaveListener {
public:
    explicit SettingsSaveNotice(Messages& messages) : messages_(messages) {}

    void SettingsNotSaved(const std::string& path) override;
    // Shows the notice now when one is waiting.
    void ShowPending();

private:
    Messages& messages_;
    bool reported_ = false;
    std::optional<std::string> pending_;  // the path of the file not saved
    QObject queue_context_;               // cancels a queued box with the notice
};

}  // namespace velmora
