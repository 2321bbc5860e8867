#pragma once
// The first table's card pictures, drawn while the program is still
// starting. The card size fitted to the window changes only when the window
// or the game does, so the size of the last table is kept in
// "DATA\CARDSIZE.DAT" and the next start draws the faces and the back at
// that size on a helper while the splash shows and the main window is
// built; the table takes them over if its cards come out the same size.
//
// The file is one line, "cards <width> <height> <scale> <card set> <back>";
// anything else, or a size the art does not draw, is no size at all. It is
// only a guess: a wrong or missing one costs the helper's time, nothing else.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "render/fitted_key.h"
#include "render/picture_batch.h"

namespace velmora {

inline constexpr const char* kCardSizeHintName = "DATA\\CARDSIZE.DAT";

std::string FormatCardSizeHint(const FittedKey& key);
std::optional<FittedKey> ParseCardSizeHint(std::string_view text);

// The size the last table kept below the data folder, if any.
std::optional<FittedKey> ReadCardSizeHint(const std::string& data_folder);

// Starts drawing the faces and the back at `key` on a helper.
std::unique_ptr<PictureBatch> StartPicturesAhead(const FittedKey& key);

// Keeps the size the table shows for the next start, written only when it
// changed.
class CardSizeHint {
public:
    CardSizeHint(std::string data_folder, std::optional<FittedKey> kept)
        : data_folder_(std::move(data_folder)), kept_(kept) {}
    // Writes `key` on a helper, so the table's first paint does not wait.
    void KeepSoon(const FittedKey& key);
    // Writes `key` now (at the close).
    void KeepNow(const FittedKey& key);

private:
    bool Changed(const FittedKey& key) const { return Drawable(key) && kept_ != key; }
    std::string data_folder_;
    std::optional<FittedKey> kept_;
};

}  // namespace velmora
