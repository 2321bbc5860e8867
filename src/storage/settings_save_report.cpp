#include "storage/settings_save_report.h"

namespace velmora {
namespace {

// The run's one listener. The settings are written from everywhere in the
// window (menus, dialogs, drawing, closing), always on the interface thread,
// and threading a reporter through every writer would touch them all.
SettingsSaveListener* current_listener = nullptr;

}  // namespace

ScopedSettingsSaveListener::ScopedSettingsSaveListener(SettingsSaveListener& listener)
    : previous_(current_listener) {
    current_listener = &listener;
}

ScopedSettingsSaveListener::~ScopedSettingsSaveListener() { current_listener = previous_; }

void ReportSettingsNotSaved(const std::string& path) {
    if (current_listener) current_listener->SettingsNotSaved(path);
}

}  // namespace velmora
