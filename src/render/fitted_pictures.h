#pragma once
// The table's pictures at a card size of the layout's own choosing, drawn
// by the card art at that size and the screen's scale rather than enlarged
// from the library's: the 52 faces and the joker, the back, the empty-pile
// marks, the shadow strips and the stock's border strips. Each picture is
// drawn the first time it is asked for and kept, so a window's first table
// costs only the pictures it shows.

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/surface.h"
#include "render/fitted_key.h"
#include "render/picture_batch.h"

namespace velmora {

// Registers the card fonts on a helper while the program is still starting
// (the font database fills itself at the first use, which takes
// milliseconds), so the first table's faces find them loaded. Returns at
// once.
void LoadCardFontsAhead();

class FittedPictures {
public:
    static constexpr int kFaceImages = 53;

    // `ahead`, when given, is a batch of this key's pictures started
    // earlier; its pictures are taken over when first wanted.
    explicit FittedPictures(const FittedKey& key, std::unique_ptr<PictureBatch> ahead = nullptr)
        : key_(key), ahead_(std::move(ahead)) {}

    const FittedKey& Key() const { return key_; }
    // Face image 0-52; a null surface for other indexes or a card set the
    // art does not have.
    const Surface& Face(int image_index) const;
    // A null surface for a back number the art does not have.
    const Surface& Back() const;
    const Surface& Mark(std::string_view name) const;
    const Surface& ShadowRight() const { return Strip(kShadowRight); }
    const Surface& ShadowBottom() const { return Strip(kShadowBottom); }
    const Surface& BorderRight() const { return Strip(kBorderRight); }
    const Surface& BorderBottom() const { return Strip(kBorderBottom); }

    // Draws the faces of these image indexes not drawn yet (and the back,
    // with `back`) side by side on the machine's cores, and waits for them:
    // a first table that shows many faces costs a fraction of drawing them
    // one by one.
    void Prepare(const std::vector<int>& image_indexes, bool back) const;

    // How many pictures have been drawn so far.
    int Drawn() const { return drawn_; }

    // Lets go of every face but the `keep` asked for last: a table of many
    // face-up cards holds them all once in its back buffer, and a face
    // needed again (a card picked up or flown) is drawn again. The marks not
    // asked for since the last call go too (those of an earlier game, or
    // drawn ahead for a table that turned out other). Only between drawings:
    // it ends the life of faces and marks returned before.
    void ForgetFaces(size_t keep) const;
    // How many faces are held now.
    int FacesHeld() const;
    // The codes of the empty-pile marks held: those the table's last whole
    // drawing showed and any asked for since.
    std::vector<std::string> MarkCodes() const;

private:
    bool Drawable() const { return velmora::Drawable(key_); }
    // Finishes the batch started ahead with the help of this machine's
    // other cores, narrowed to these pictures, and keeps what it drew.
    void TakeAhead(const std::vector<int>& image_indexes, bool back) const;
    // Keeps the pictures a batch drew where none is held yet; `used` counts
    // the faces as asked for now.
    void KeepDrawn(PictureBatch& batch, bool used) const;
    enum StripIndex { kShadowRight, kShadowBottom, kBorderRight, kBorderBottom, kStrips };
    const Surface& Strip(StripIndex which) const;
    // Keeps a picture drawn now.
    const Surface& Keep(std::optional<Surface>& slot, const QImage& image) const;
    // Keeps the picture of mark `name`, drawn now or by a batch.
    const Surface& KeepMark(std::string_view name, const QImage& image) const;

    FittedKey key_;
    mutable std::unique_ptr<PictureBatch> ahead_;
    mutable std::array<std::optional<Surface>, kFaceImages> faces_;
    // When each face was last asked for, on a counter of requests.
    mutable std::array<uint64_t, kFaceImages> face_used_{};
    mutable uint64_t requests_ = 0;
    mutable std::optional<Surface> back_;
    mutable std::map<std::string, Surface, std::less<>> marks_;
    mutable std::set<std::string, std::less<>> marks_asked_;  // since ForgetFaces
    mutable std::array<std::optional<Surface>, kStrips> strips_;
    mutable int drawn_ = 0;
};

}  // namespace velmora
