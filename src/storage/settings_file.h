#pragma once
// The settings file (data folder + "DATA\CFG.DAT"), read and written key
// by key through the key table. Every call opens the file and releases it.

#include <string>
#include <string_view>

#include "engine/model/param_record.h"
#include "platform/ini_file.h"
#include "storage/setting_key.h"

namespace velmora {

class SettingsFile {
public:
    explicit SettingsFile(std::string path) : ini_(std::move(path)) {}

    const std::string& Path() const { return ini_.Path(); }

    // The value, or the key's default (integers: as decimal text).
    std::string Read(const SettingKey& key) const;
    std::string Read(const SettingKey& key, std::string_view fallback) const;
    // The whole number stored, or the default for a missing or malformed value.
    int ReadInt(const SettingKey& key) const { return ReadInt(key, key.number_default); }
    int ReadInt(const SettingKey& key, int fallback) const;
    bool IsYes(const SettingKey& key) const { return Read(key) == "Y"; }

    bool Write(const SettingKey& key, std::string_view value);
    bool WriteFlag(const SettingKey& key, bool yes) { return Write(key, yes ? "Y" : "N"); }
    bool WriteInt(const SettingKey& key, int value);
    // A key outside the table ("Show_Messages", the per-game autoplay keys).
    // Every write that the disk refuses is reported (settings_save_report.h).
    bool WriteOther(std::string_view section, std::string_view name, std::string_view value);

    // For reading keys outside the table; writes go through WriteOther.
    IniFile& Ini() { return ini_; }
    const IniFile& Ini() const { return ini_; }

private:
    IniFile ini_;
};

// The settings file of the data folder (ParamRecord::DataFolder), with the relative
// path at position 1; creates the DATA folder when it is missing.
SettingsFile OpenSettingsFile(const ParamRecord& params);

}  // namespace velmora
