#include "storage/record_settings.h"

#include <string>

#include "text/fixed_text.h"

namespace velmora {

void LoadIntoRecord(const SettingsFile& file, ParamRecord& params, const SettingKey& key) {
    if (key.type == SettingType::Integer) {
        LoadIntoRecord(file, params, key, key.number_default);
    } else {
        LoadIntoRecord(file, params, key, key.text_default);
    }
}

void LoadIntoRecord(const SettingsFile& file, ParamRecord& params, const SettingKey& key,
                    std::string_view fallback) {
    params.ParamWrite(key.position, key.length, file.Read(key, fallback));
}

void LoadIntoRecord(const SettingsFile& file, ParamRecord& params, const SettingKey& key, int fallback) {
    const int value = file.ReadInt(key, fallback);
    const std::string text = key.digits > 0 ? ZeroPad(value, key.digits) : std::to_string(value);
    params.ParamWrite(key.position, key.length, text);
}

bool WriteRecordFlag(ParamRecord& params, SettingsFile& file, const SettingKey& key, bool yes) {
    params.ParamWrite(key.position, key.length, yes ? "Y" : "N");
    return file.WriteFlag(key, yes);
}

}  // namespace velmora
