#pragma once
// The rules parameters of the current game: 402 signed 16-bit values, R[0]
// to R[401], and the save area of the entries every deal changes.

#include <array>
#include <cstdint>

namespace velmora {

class RulesParams {
public:
    static constexpr int kEntries = 402;
    static constexpr int kSaveEntries = 44;

    // R[n]; 0 for an entry outside the array.
    int operator[](int n) const { return n >= 0 && n < kEntries ? values_[static_cast<size_t>(n)] : 0; }
    int Get(int n) const { return (*this)[n]; }
    // Stores the low 16 bits; an entry outside the array is ignored.
    void Set(int n, int64_t value) {
        if (n >= 0 && n < kEntries) values_[static_cast<size_t>(n)] = static_cast<int16_t>(value);
    }
    // Entries 0 .. 400 to 0; entry 401 is kept.
    void ClearGameEntries() {
        for (int n = 0; n <= 400; ++n) values_[static_cast<size_t>(n)] = 0;
    }

    // Entries 128-155 (tableau base ranks) then 48-63 (foundation base
    // ranks) to and from the save area.
    void SaveDealEntries();
    void RestoreDealEntries();

    const std::array<int16_t, kEntries>& Values() const { return values_; }

private:
    std::array<int16_t, kEntries> values_{};
    std::array<int16_t, kSaveEntries> saved_{};
};

inline void RulesParams::SaveDealEntries() {
    for (int t = 0; t < 28; ++t) saved_[static_cast<size_t>(t)] = values_[static_cast<size_t>(128 + t)];
    for (int f = 0; f < 16; ++f) saved_[static_cast<size_t>(28 + f)] = values_[static_cast<size_t>(48 + f)];
}

inline void RulesParams::RestoreDealEntries() {
    for (int t = 0; t < 28; ++t) values_[static_cast<size_t>(128 + t)] = saved_[static_cast<size_t>(t)];
    for (int f = 0; f < 16; ++f) values_[static_cast<size_t>(48 + f)] = saved_[static_cast<size_t>(28 + f)];
}

}  // namespace velmora
