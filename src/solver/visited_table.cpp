#include "solver/visited_table.h"

#include <algorithm>

namespace velmora::solver {

namespace {

constexpr size_t kFirstSlots = 1u << 12;
// 0 marks an empty slot; a key of 0 is stored as this instead.
constexpr uint64_t kZeroKey = 0x9e3779b97f4a7c15ULL;

size_t SlotOf(uint64_t key, size_t mask) { return static_cast<size_t>((key ^ (key >> 29)) * 0xbf58476d1ce4e5b9ULL) & mask; }

}  // namespace

VisitedTable::VisitedTable(size_t max_bytes)
    : slots_(kFirstSlots, 0), capacity_limit_(std::max(kFirstSlots, max_bytes / sizeof(uint64_t))) {}

bool VisitedTable::Insert(uint64_t key) {
    if (key == 0) key = kZeroKey;
    // Kept at most three quarters full, so probes stay short.
    if ((size_ + 1) * 4 > slots_.size() * 3) Grow();
    const size_t mask = slots_.size() - 1;
    for (size_t at = SlotOf(key, mask);; at = (at + 1) & mask) {
        if (slots_[at] == key) return false;
        if (slots_[at] != 0) continue;
        if ((size_ + 1) * 4 > slots_.size() * 3) {
            full_ = true;
            return true;
        }
        slots_[at] = key;
        ++size_;
        return true;
    }
}

void VisitedTable::Grow() {
    if (slots_.size() * 2 > capacity_limit_) return;
    std::vector<uint64_t> old(slots_.size() * 2, 0);
    old.swap(slots_);
    const size_t mask = slots_.size() - 1;
    for (uint64_t key : old) {
        if (key == 0) continue;
        size_t at = SlotOf(key, mask);
        while (slots_[at] != 0) at = (at + 1) & mask;
        slots_[at] = key;
    }
}

}  // namespace velmora::solver
