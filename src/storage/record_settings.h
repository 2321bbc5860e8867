#pragma once
// Moving keys between the settings file and their parameter record fields.

#include <string_view>

#include "engine/model/param_record.h"
#include "storage/settings_file.h"

namespace velmora {

// Copies the key's value (or its default) into its record field: flags and
// texts as read, cut to the field; integers as decimal text, zero-padded
// when the key asks for it.
void LoadIntoRecord(const SettingsFile& file, ParamRecord& params, const SettingKey& key);
// The same with another default (a flag or text default, or an integer one).
void LoadIntoRecord(const SettingsFile& file, ParamRecord& params, const SettingKey& key,
                    std::string_view fallback);
void LoadIntoRecord(const SettingsFile& file, ParamRecord& params, const SettingKey& key, int fallback);

// Stores a flag in its record field and writes it to the file (the time and
// score panel commands).
bool WriteRecordFlag(ParamRecord& params, SettingsFile& file, const SettingKey& key, bool yes);

}  // namespace velmora
