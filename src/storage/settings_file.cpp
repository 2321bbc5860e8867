#include "storage/settings_file.h"

#include "storage/program_path.h"
#include "storage/settings_save_report.h"

namespace velmora {

std::string SettingsFile::Read(const SettingKey& key) const {
    if (key.type == SettingType::Integer) return Read(key, std::to_string(key.number_default));
    return Read(key, key.text_default);
}

std::string SettingsFile::Read(const SettingKey& key, std::string_view fallback) const {
    return ini_.ReadString(key.section, key.name, fallback);
}

int SettingsFile::ReadInt(const SettingKey& key, int fallback) const {
    return ini_.ReadInteger(key.section, key.name, fallback);
}

bool SettingsFile::Write(const SettingKey& key, std::string_view value) {
    return WriteOther(key.section, key.name, value);
}

bool SettingsFile::WriteInt(const SettingKey& key, int value) { return Write(key, std::to_string(value)); }

bool SettingsFile::WriteOther(std::string_view section, std::string_view name, std::string_view value) {
    const IniFile::WriteResult result = ini_.Write(section, name, value);
    if (result == IniFile::WriteResult::kFileError) ReportSettingsNotSaved(ini_.Path());
    return result == IniFile::WriteResult::kWritten;
}

SettingsFile OpenSettingsFile(const ParamRecord& params) {
    return SettingsFile(ResolveProgramPath(params.DataFolder(),
                                           params.ParamRead(param::kSettingsPath, 20), true));
}

}  // namespace velmora
