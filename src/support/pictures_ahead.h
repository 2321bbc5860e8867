#pragma once
// The first table's card pictures, drawn while the program is still
// starting. The card size fitted to the window changes only when the window
// or the game does, so the size of the last table and the empty-pile marks
// it showed are kept in "DATA\CARDSIZE.DAT", and the next start draws the
// faces, the back and those marks at that size on a helper (or reads them
// from the pictures kept drawn, see pictures_kept.h) while the splash shows
// and the main window is built; the table takes them over if its cards come
// out the same size.
//
// The file is one line, "cards <width> <height> <scale> <card set> <back>"
// followed by the marks' codes, each after one blank; anything else, a code
// the art has no mark for, or a size the art does not draw, is no size at
// all. It is only a guess: a wrong or missing one costs the helper's time,
// nothing else.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "render/fitted_key.h"
#include "render/picture_batch.h"

namespace velmora {

inline constexpr const char* kCardSizeHintName = "DATA\\CARDSIZE.DAT";
// The faces drawn ahead: every card but the joker, then the back and marks.
inline constexpr int kFacesAhead = 52;

// What a table showed: its card size and the codes of its marks.
struct TablePictures {
    FittedKey key;
    std::vector<std::string> marks;
    bool operator==(const TablePictures&) const = default;
};

std::string FormatCardSizeHint(const TablePictures& table);
std::optional<TablePictures> ParseCardSizeHint(std::string_view text);

// What the last table kept below the data folder, if anything.
std::optional<TablePictures> ReadCardSizeHint(const std::string& data_folder);

// Starts drawing the faces, the back and the marks on a helper, which takes
// them from the pictures kept below the data folder when those are theirs.
std::unique_ptr<PictureBatch> StartPicturesAhead(const TablePictures& table, const std::string& data_folder);

// Keeps the size the table shows for the next start, written only when it
// changed.
class CardSizeHint {
public:
    CardSizeHint(std::string data_folder, std::optional<TablePictures> kept)
        : data_folder_(std::move(data_folder)), kept_(std::move(kept)) {}
    // Writes `table` on a helper, so the table's first paint does not wait,
    // and a moment later keeps its pictures drawn for the next start.
    void KeepSoon(const TablePictures& table);
    // Writes `table` now (at the close).
    void KeepNow(const TablePictures& table);

private:
    bool Changed(const TablePictures& table) const { return Drawable(table.key) && kept_ != table; }
    std::string data_folder_;
    std::optional<TablePictures> kept_;
};

}  // namespace velmora
