#include "engine/deal/deal_buffer.h"

#include <algorithm>

#include "engine/model/pile_string.h"

namespace velmora {

int BufferCode(const DealBuffer& buffer, int i) {
    if (i < 0 || static_cast<size_t>(i) >= buffer.size()) return -1;
    const std::string& slot = buffer[static_cast<size_t>(i)];
    return slot.size() == 3 ? PileCodeAt(slot, 0) : -1;
}

bool BufferHoldsCard(const DealBuffer& buffer, int i) { return BufferCode(buffer, i) >= 1; }

int FindInBuffer(const DealBuffer& buffer, const std::function<bool(int)>& wanted) {
    for (int i = 0; i < static_cast<int>(buffer.size()); ++i)
        if (BufferHoldsCard(buffer, i) && wanted(BufferCode(buffer, i))) return i;
    return -1;
}

int TakeFromBuffer(DealBuffer& buffer, int i) {
    const int code = BufferCode(buffer, i);
    if (i >= 0 && static_cast<size_t>(i) < buffer.size()) buffer.erase(buffer.begin() + i);
    return code;
}

bool RemoveFromBuffer(DealBuffer& buffer, int code) {
    for (int i = 0; i < static_cast<int>(buffer.size()); ++i) {
        if (BufferCode(buffer, i) == code) {
            buffer.erase(buffer.begin() + i);
            return true;
        }
    }
    return false;
}

void RemoveFromBufferIf(DealBuffer& buffer, const std::function<bool(int)>& unwanted) {
    std::erase_if(buffer, [&](const std::string& slot) {
        const int code = slot.size() == 3 ? PileCodeAt(slot, 0) : -1;
        return unwanted(code);
    });
}

}  // namespace velmora
