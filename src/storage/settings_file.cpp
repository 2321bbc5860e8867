#include "storage/settings_file.h"

#include "storage/program_path.h"

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
    return ini_.WriteString(key.section, key.name, value);
}

bool SettingsFile::WriteInt(const SettingKey& key, int value) {
    return ini_.WriteInteger(key.section, key.name, value);
}

SettingsFile OpenSettingsFile(const ParamRecord& params) {
    return SettingsFile(ResolveProgramPath(params.DataFolder(),
                                           params.ParamRead(param::kSettingsPath, 20), true));
}

}  // namespace velmora
