#include "engine/model/param_record.h"

#include "text/fixed_text.h"

namespace velmora {

void ParamRecord::ParamInit(bool create, std::string_view program_folder) {
    if (!create) return;
    for (std::string& block : blocks_) block.assign(kBlockLength, ' ');
    ParamWrite(param::kProgramFolder, 200, program_folder);
    data_folder_ = program_folder;
    ParamWrite(param::kSettingsPath, 20, "DATA\\CFG.DAT");
}

bool ParamRecord::Locate(int position, int& block, int& index) const {
    if (position < 1 || position >= 1000) return false;
    if (position < 250) {
        block = 0;
        index = position;
    } else if (position < 500) {
        block = 1;
        index = position - 250;
    } else {
        block = 2;
        index = position - 500;
    }
    // Index 0 (positions 250 and 500) lies before the block's first character.
    return index >= 1 && index <= kBlockLength;
}

std::string ParamRecord::ParamRead(int position, int length) const {
    int block = 0;
    int index = 0;
    if (length <= 0 || !Locate(position, block, index)) return {};
    return TrimRightSpaces(Columns(blocks_[static_cast<size_t>(block)], index, length));
}

bool ParamRecord::ParamWrite(int position, int length, std::string_view value) {
    int block = 0;
    int index = 0;
    if (length <= 0 || !Locate(position, block, index)) return false;
    const std::string field = PadRight(TrimLeftSpaces(value), length);
    std::string& text = blocks_[static_cast<size_t>(block)];
    const size_t start = static_cast<size_t>(index) - 1;
    const size_t room = text.size() - start;
    text.replace(start, std::min(room, field.size()), field.substr(0, room));
    return true;
}

}  // namespace velmora
