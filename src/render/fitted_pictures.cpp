#include "render/fitted_pictures.h"

#include <algorithm>
#include <iterator>

#include "art/card_backs.h"
#include "art/card_faces.h"
#include "art/fonts.h"
#include "art/pile_marks.h"

namespace velmora {

namespace {

constexpr int kRanks = 13;

art::CardSize ArtSize(const FittedKey& key) { return art::FittedCard(key.width, key.height); }

bool KnownMark(std::string_view name) {
    return std::any_of(std::begin(art::kMarkCodes), std::end(art::kMarkCodes),
                       [name](const char* code) { return name == code; });
}

}  // namespace

const Surface& FittedPictures::Keep(std::optional<Surface>& slot, const QImage& image) const {
    ++drawn_;
    slot = image.isNull() ? Surface() : Surface(image, key_.scale);
    return *slot;
}

const Surface& FittedPictures::Face(int image_index) const {
    static const Surface kNone;
    if (image_index < 0 || image_index >= kFaceImages || !Drawable()) return kNone;
    std::optional<Surface>& slot = faces_[static_cast<size_t>(image_index)];
    if (slot) return *slot;
    art::LoadFonts();
    if (image_index == kFaceImages - 1) return Keep(slot, art::DrawJoker(ArtSize(key_), key_.scale));
    const art::CardSet* set = art::CardSetNumbered(key_.card_set);
    if (!set) return Keep(slot, QImage());
    const auto suit = static_cast<art::Suit>(image_index / kRanks);
    return Keep(slot, art::DrawCardFace(ArtSize(key_), *set, suit, image_index % kRanks + 1, key_.scale));
}

const Surface& FittedPictures::Back() const {
    if (back_) return *back_;
    if (!Drawable() || !art::IsCardBackNumber(key_.back)) return Keep(back_, QImage());
    return Keep(back_, art::DrawCardBack(ArtSize(key_), key_.back, key_.scale));
}

const Surface& FittedPictures::Mark(std::string_view name) const {
    static const Surface kNone;
    const auto it = marks_.find(name);
    if (it != marks_.end()) return it->second;
    if (!Drawable() || !KnownMark(name)) return kNone;
    art::LoadFonts();
    std::optional<Surface> mark;
    Keep(mark, art::DrawPileMark(ArtSize(key_), std::string(name), key_.scale));
    return marks_.emplace(std::string(name), std::move(*mark)).first->second;
}

const Surface& FittedPictures::Strip(StripIndex which) const {
    static const Surface kNone;
    std::optional<Surface>& slot = strips_[which];
    if (slot) return *slot;
    if (!Drawable()) return kNone;
    const art::CardSize size = ArtSize(key_);
    const bool right = which == kShadowRight || which == kBorderRight;
    if (which == kShadowRight || which == kShadowBottom) return Keep(slot, art::ShadowStrip(size, right, key_.scale));
    return Keep(slot, art::StockBorderStrip(size, right, key_.scale));
}

}  // namespace velmora
