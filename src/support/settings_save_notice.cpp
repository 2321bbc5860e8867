#include "support/settings_save_notice.h"

#include <QCoreApplication>
#include <QTimer>

#include <utility>

#include "support/message_texts.h"

namespace velmora {

void SettingsSaveNotice::SettingsNotSaved(const std::string& path) {
    if (reported_) return;
    reported_ = true;
    pending_ = path;
    if (QCoreApplication::instance()) QTimer::singleShot(0, &queue_context_, [this] { ShowPending(); });
}

void SettingsSaveNotice::ShowPending() {
    if (!pending_) return;
    const std::string path = *std::exchange(pending_, std::nullopt);
    messages_.ShowInfo(text::SettingsNotSaved(path));
}

}  // namespace velmora
