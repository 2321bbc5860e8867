#pragma once
// The parameter record: the program-wide values (settings, the current game,
// deal number, score, player, paths) as text in three 250-character blocks,
// addressed by a 1-based position and a length. Positions 1-249 lie in block
// A, 250-499 in block B (index p - 250), 500-999 in block C (index p - 500);
// 1000 and above address nothing.

#include <array>
#include <string>
#include <string_view>

namespace velmora {

class ParamRecord {
public:
    static constexpr int kBlockLength = 250;

    // With `create` set: three blocks of spaces, the program folder at 501
    // (and as the data folder) and the settings path at 1. Without it
    // nothing happens.
    void ParamInit(bool create, std::string_view program_folder);

    // The field's characters (fewer where the block ends) without trailing
    // spaces; "" for positions and lengths that address nothing.
    std::string ParamRead(int position, int length) const;
    // Stores the value without leading spaces, cut or padded to `length`.
    // Characters past the end of the block are dropped; the block keeps its
    // length. Returns false when the field addresses nothing.
    bool ParamWrite(int position, int length, std::string_view value);

    // Convenience for the yes/no fields: true exactly when the field is "Y".
    bool IsYes(int position) const { return ParamRead(position, 1) == "Y"; }

    const std::string& Block(int n) const { return blocks_[static_cast<size_t>(n)]; }

    // The folder holding the player's files (the DATA folder and the version
    // marker): the program folder, unless the program's entry found that it
    // cannot be written there and chose another.
    const std::string& DataFolder() const { return data_folder_; }
    void SetDataFolder(std::string_view folder) { data_folder_ = folder; }

private:
    // The block and 1-based index of a position; false when none.
    bool Locate(int position, int& block, int& index) const;

    std::array<std::string, 3> blocks_{std::string(kBlockLength, ' '), std::string(kBlockLength, ' '),
                                       std::string(kBlockLength, ' ')};
    std::string data_folder_;
};

// Positions of the fields the engine itself uses.
namespace param {
constexpr int kSettingsPath = 1;      // 20
constexpr int kGameId = 62;           // 4
constexpr int kScoringScheme = 120;   // 2
constexpr int kScore = 122;           // 6
constexpr int kCardBack = 21;         // 3
constexpr int kCardSet = 24;          // 3
constexpr int kCardSize = 128;        // 1
// The player's card size, set and back while a small screen has the
// predefined set substituted.
constexpr int kSavedCardSet = 129;    // 3
constexpr int kSavedCardBack = 132;   // 3
constexpr int kSavedCardSize = 240;   // 1
constexpr int kDealNumber = 153;      // 15
constexpr int kCardsShadowed = 178;   // 1
constexpr int kGameName = 189;        // 50
constexpr int kAutoFaceUp = 239;      // 1
// Automatic play sends a card home only when no card in play could still
// want it in the tableau; "N" sends every card it can (greedy play).
constexpr int kSafeAutoplay = 256;    // 1
constexpr int kProgramFolder = 501;   // 200
}  // namespace param

}  // namespace velmora
