#pragma once
// Telling the player that settings cannot be saved. Every settings write goes
// through SettingsFile; one the disk refuses (full, or a folder that cannot
// be written) is reported to the listener the program entry installs for
// the run. Without a listener (tests, the headless driver) a failed write is
// only its false result. The file on disk stays whole either way.

#include <string>

namespace velmora {

class SettingsSaveListener {
public:
    virtual ~SettingsSaveListener() = default;
    // A write to the settings file at `path` did not reach the disk.
    virtual void SettingsNotSaved(const std::string& path) = 0;
};

// Makes `listener` the one that hears of failed writes while this object
// lives; the one before it hears them again afterwards.
class ScopedSettingsSaveListener {
public:
    explicit ScopedSettingsSaveListener(SettingsSaveListener& listener);
    ~ScopedSettingsSaveListener();
    ScopedSettingsSaveListener(const ScopedSettingsSaveListener&) = delete;
    ScopedSettingsSaveListener& operator=(const ScopedSettingsSaveListener&) = delete;

private:
    SettingsSaveListener* previous_;
};

// Called by the settings writers when the file could not be written.
void ReportSettingsNotSaved(const std::string& path);

}  // namespace velmora
