#pragma once
// The four pile lists of a position: the stock area (stock, waste, second
// waste), 16 foundations, 28 tableau piles and 10 reserves. Every list always
// has its fixed number of entries; a game uses the first few of each.

#include <array>
#include <string>

namespace velmora {

enum class ListId { Stock = 0, Foundation = 1, Tableau = 2, Reserve = 3 };

constexpr int kStockAreaPiles = 3;
constexpr int kFoundationPiles = 16;
constexpr int kTableauPiles = 28;
constexpr int kReservePiles = 10;
constexpr int kAllPiles = kStockAreaPiles + kFoundationPiles + kTableauPiles + kReservePiles;

// Indexes inside the stock area list.
constexpr int kStockIndex = 0;       // Mazzo
constexpr int kWasteIndex = 1;       // Mazzo_Vis
constexpr int kSecondWasteIndex = 2; // Mazzo_Waste

int ListSize(ListId list);

struct PileLists {
    std::array<std::string, kStockAreaPiles> stock_area;
    std::array<std::string, kFoundationPiles> foundations;
    std::array<std::string, kTableauPiles> tableau;
    std::array<std::string, kReservePiles> reserves;

    // The pile, or nullptr for an index outside the list.
    std::string* Pile(ListId list, int index);
    const std::string* Pile(ListId list, int index) const;
    // The pile's text, "" for an index outside the list.
    const std::string& Text(ListId list, int index) const;

    // Pile n of the 57 in snapshot order (stock area, foundations, tableau,
    // reserves).
    std::string* Flat(int n) {
        if (n < 0) return nullptr;
        if (n < kStockAreaPiles) return &stock_area[static_cast<size_t>(n)];
        n -= kStockAreaPiles;
        if (n < kFoundationPiles) return &foundations[static_cast<size_t>(n)];
        n -= kFoundationPiles;
        if (n < kTableauPiles) return &tableau[static_cast<size_t>(n)];
        n -= kTableauPiles;
        return n < kReservePiles ? &reserves[static_cast<size_t>(n)] : nullptr;
    }
    const std::string* Flat(int n) const { return const_cast<PileLists*>(this)->Flat(n); }

    void Clear();
    bool operator==(const PileLists&) const = default;
};

}  // namespace velmora
