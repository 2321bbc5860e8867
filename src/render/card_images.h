#pragma once
// The pictures the table is drawn with for the chosen card set, back and
// card size: 52 faces and the joker, the back, the empty-pile marks, the two
// shadow strips and the two strips of the stock's thickness. The library's
// sizes ("B", "M", "L") are cut and loaded from the resource library; a
// fitted size ("F") is drawn by the card art at exactly that size and the
// surface scale. A picture that does not exist stays null and draws nothing.

#include <array>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/layout/table_geometry.h"
#include "platform/surface.h"
#include "render/fitted_pictures.h"

namespace velmora {

class ParamRecord;
class ResourceLibrary;

// Which pictures: the card-size letter ("B", "M", "L", or "F" for a size
// the layout fitted to the window), the card set and the back, three digits
// each.
struct CardImageChoice {
    char size_letter = 'B';
    std::string card_set = "001";
    std::string back = "011";
    int scale = 1;  // device pixels per table pixel
    CardSize size{};  // the card size in table pixels, used with "F" only
    bool operator==(const CardImageChoice&) const = default;
};

// The choice the settings make (positions 128, 24 and 21).
CardImageChoice ChosenCardImages(const ParamRecord& params);

// The mark names of the library ("W" + size letter + name); "021" among them.
inline constexpr std::array<std::string_view, 22> kMarkNames = {
    "004", "_WASTE", "022", "005", "008", "010", "012", "013", "014", "015", "016",
    "017", "018", "019", "020", "006", "003", "011", "_TABLEAU", "001", "009", "021"};

class CardImages {
public:
    static constexpr int kFaceImages = 53;  // 52 faces, then the joker

    // Loads the pictures of `choice` unless they are the ones loaded; true
    // when it loaded.
    bool Load(const ResourceLibrary& library, const CardImageChoice& choice);
    // Loads them whatever was loaded before (a new library, say).
    void Reload(const ResourceLibrary& library, const CardImageChoice& choice);

    CardSize Size() const { return size_; }
    // Face image 0-52 (the card image index); a null surface for others.
    const Surface& Face(int image_index) const;
    const Surface& Back() const { return fitted_ ? fitted_->Back() : back_; }
    // The mark of that name ("022", "_WASTE"); a null surface when missing.
    const Surface& Mark(std::string_view name) const;
    const Surface& ShadowRight() const { return fitted_ ? fitted_->ShadowRight() : shadow_right_; }
    const Surface& ShadowBottom() const { return fitted_ ? fitted_->ShadowBottom() : shadow_bottom_; }
    const Surface& BorderRight() const { return fitted_ ? fitted_->BorderRight() : border_right_; }
    const Surface& BorderBottom() const { return fitted_ ? fitted_->BorderBottom() : border_bottom_; }

    // Lets go of the fitted faces but the `keep` used last, and of the faces
    // of the sets kept for other sizes (the library's faces are small and
    // stay). Only between drawings.
    void ForgetFaces(size_t keep) const;

    // A batch of fitted pictures started before the table knew its card
    // size, at the size it is expected to take: the fitted pictures of the
    // same key take it over, any other key drops it.
    void OfferAhead(std::unique_ptr<PictureBatch> ahead) { ahead_ = std::move(ahead); }
    // The fitted pictures in use; null with a library size.
    const FittedPictures* Fitted() const { return fitted_.get(); }

private:
    // Fitted picture sets kept for sizes shown lately, so a window that
    // goes back to a size finds its pictures drawn.
    static constexpr size_t kFittedSetsKept = 3;

    void LoadFaces(const ResourceLibrary& library, const CardImageChoice& choice);
    void LoadBack(const ResourceLibrary& library, const CardImageChoice& choice);
    void UseFitted(const CardImageChoice& choice);

    std::optional<CardImageChoice> loaded_;
    std::shared_ptr<const FittedPictures> fitted_;
    std::deque<std::shared_ptr<const FittedPictures>> fitted_kept_;  // latest first
    std::unique_ptr<PictureBatch> ahead_;
    CardSize size_;
    std::array<Surface, kFaceImages> faces_;
    Surface back_;
    std::map<std::string, Surface, std::less<>> marks_;
    Surface shadow_right_;
    Surface shadow_bottom_;
    Surface border_right_;
    Surface border_bottom_;
};

}  // namespace velmora
