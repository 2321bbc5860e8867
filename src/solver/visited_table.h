#pragma once
// The positions a search has reached, as 64-bit keys in an open-addressed
// table of fixed capacity: its memory never grows past the cap it was
// given. When it is full, new keys are not kept (the search may then visit
// a position twice, which costs time but never changes a verdict).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora::solver {

class VisitedTable {
  public:
    // At most `max_bytes` of keys (at least a small table).
    explicit VisitedTable(size_t max_bytes);

    // True when the key was not there before (and is now, unless full).
    bool Insert(uint64_t key);
    bool Full() const { return full_; }
    size_t Size() const { return size_; }

  private:
    void Grow();

    std::vector<uint64_t> slots_;
    size_t capacity_limit_;
    size_t size_ = 0;
    bool full_ = false;
};

}  // namespace velmora::solver
