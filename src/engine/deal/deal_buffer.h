#pragma once
// The deal buffer: the shuffled cards waiting to be dealt, as three-digit
// card codes ("000" is a free slot). Dealing takes cards from the front.

#include <functional>
#include <string>
#include <vector>

namespace velmora {

using DealBuffer = std::vector<std::string>;

inline constexpr const char* kFreeSlot = "000";

// The code in slot i; -1 for a slot outside the buffer or a malformed entry.
int BufferCode(const DealBuffer& buffer, int i);
// True for a slot that holds a card (code 1 or more), not a free slot.
bool BufferHoldsCard(const DealBuffer& buffer, int i);

// The first slot, counted from the front, holding a card that `wanted`
// accepts; -1 when there is none. Free slots are never offered.
int FindInBuffer(const DealBuffer& buffer, const std::function<bool(int)>& wanted);
// Takes slot i out of the buffer and returns its code (-1 for no slot).
int TakeFromBuffer(DealBuffer& buffer, int i);
// Removes the first occurrence of the code; false when it is not there.
bool RemoveFromBuffer(DealBuffer& buffer, int code);
// Removes every slot whose code `unwanted` accepts (free slots included:
// the predicate sees code 0 for them).
void RemoveFromBufferIf(DealBuffer& buffer, const std::function<bool(int)>& unwanted);

}  // namespace velmora
