#include "render/fitted_pictures.h"

#include <algorithm>
#include <iterator>

#include <QThreadPool>

#include "art/card_backs.h"
#include "art/fonts.h"
#include "art/pile_marks.h"

namespace velmora {

namespace {

art::CardSize ArtSize(const FittedKey& key) { return art::FittedCard(key.width, key.height); }

// Helpers for `pictures` drawn at once: one a core, four at most.
int HelpersFor(size_t pictures) {
    const int cores = std::max(1, PictureHelpers()->maxThreadCount());
    return static_cast<int>(std::min<size_t>({static_cast<size_t>(cores), 4, pictures}));
}

}  // namespace

void LoadCardFontsAhead() {
    PictureHelpers()->start([] { art::LoadFonts(); });
}

const Surface& FittedPictures::Keep(std::optional<Surface>& slot, const QImage& image) const {
    ++drawn_;
    slot = image.isNull() ? Surface() : Surface(image, key_.scale);
    return *slot;
}

const Surface& FittedPictures::Face(int image_index) const {
    static const Surface kNone;
    if (image_index < 0 || image_index >= kFaceImages || !Drawable()) return kNone;
    face_used_[static_cast<size_t>(image_index)] = ++requests_;
    std::optional<Surface>& slot = faces_[static_cast<size_t>(image_index)];
    if (slot) return *slot;
    art::LoadFonts();
    return Keep(slot, DrawFittedFace(key_, image_index));
}

void FittedPictures::KeepDrawn(PictureBatch& batch, bool used) const {
    for (PictureBatch::Drawn& drawn : batch.Take()) {
        if (!drawn.mark.empty()) {
            if (!drawn.image.isNull() && !marks_.contains(drawn.mark)) KeepMark(drawn.mark, drawn.image);
            continue;
        }
        std::optional<Surface>& slot = drawn.face < 0 ? back_ : faces_[static_cast<size_t>(drawn.face)];
        if (!slot) Keep(slot, drawn.image);
        if (used && drawn.face >= 0) face_used_[static_cast<size_t>(drawn.face)] = ++requests_;
    }
}

void FittedPictures::TakeAhead(const std::vector<int>& image_indexes, bool back) const {
    ahead_->Narrow(image_indexes, back);
    const int untaken = ahead_->Untaken();
    // Its own helper draws on; the other cores join it.
    if (untaken > 1) ahead_->AddHelpers(HelpersFor(static_cast<size_t>(untaken)) - 1);
    ahead_->Wait();
    KeepDrawn(*ahead_, false);
    ahead_.reset();
}

void FittedPictures::Prepare(const std::vector<int>& image_indexes, bool back) const {
    if (!Drawable()) return;
    if (ahead_) TakeAhead(image_indexes, back);
    std::vector<int> missing;
    for (int index : image_indexes)
        if (index >= 0 && index < kFaceImages && !faces_[static_cast<size_t>(index)] &&
            std::find(missing.begin(), missing.end(), index) == missing.end())
            missing.push_back(index);
    const bool draw_back = back && !back_ && art::IsCardBackNumber(key_.back);
    const size_t pictures = missing.size() + (draw_back ? 1 : 0);
    if (pictures < 2) return;  // one picture gains nothing from other cores
    // Painting in the pool's threads fills each shape at once, where painting
    // in this thread would hand every large fill to the pool in pieces and
    // wait for them.
    PictureBatch batch(key_, missing, draw_back);
    batch.AddHelpers(HelpersFor(pictures));
    batch.Wait();
    KeepDrawn(batch, true);
}

void FittedPictures::ForgetFaces(size_t keep) const {
    std::erase_if(marks_, [this](const auto& mark) { return !marks_asked_.contains(mark.first); });
    marks_asked_.clear();
    std::vector<size_t> held;
    for (size_t i = 0; i < faces_.size(); ++i)
        if (faces_[i]) held.push_back(i);
    if (held.size() <= keep) return;
    std::sort(held.begin(), held.end(), [this](size_t a, size_t b) { return face_used_[a] > face_used_[b]; });
    for (size_t i = keep; i < held.size(); ++i) faces_[held[i]].reset();
}

std::vector<std::string> FittedPictures::MarkCodes() const {
    std::vector<std::string> codes;
    for (const auto& [code, mark] : marks_)
        if (!mark.IsNull()) codes.push_back(code);
    return codes;
}

int FittedPictures::FacesHeld() const {
    return static_cast<int>(std::count_if(faces_.begin(), faces_.end(), [](const auto& face) { return face.has_value(); }));
}

const Surface& FittedPictures::Back() const {
    if (back_) return *back_;
    return Keep(back_, DrawFittedBack(key_));
}

const Surface& FittedPictures::Mark(std::string_view name) const {
    static const Surface kNone;
    if (!marks_asked_.contains(name)) marks_asked_.emplace(name);
    const auto it = marks_.find(name);
    if (it != marks_.end()) return it->second;
    if (!Drawable() || !art::IsMarkCode(name)) return kNone;
    art::LoadFonts();
    return KeepMark(name, DrawFittedMark(key_, std::string(name)));
}

const Surface& FittedPictures::KeepMark(std::string_view name, const QImage& image) const {
    std::optional<Surface> mark;
    Keep(mark, image);
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
