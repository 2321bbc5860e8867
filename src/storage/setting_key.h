#pragma once
// One key of the settings file: where it lives, what kind of value it holds,
// its default, and the parameter record field it is loaded into.

#include <string_view>

namespace velmora {

enum class SettingType { Flag, Text, Integer };

struct SettingKey {
    std::string_view section;
    std::string_view name;
    SettingType type = SettingType::Flag;
    std::string_view text_default;  // flags and texts
    int number_default = 0;         // integers
    int position = 0;               // parameter record field; 0 when the key has none
    int length = 1;
    int digits = 0;                 // integers kept zero-padded to this width; 0 = plain decimal
};

}  // namespace velmora
