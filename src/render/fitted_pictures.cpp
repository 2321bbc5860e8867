#include "render/fitted_pictures.h"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <numeric>

#include <QSemaphore>
#include <QThreadPool>

#include "art/card_backs.h"
#include "art/card_faces.h"
#include "art/fonts.h"
#include "art/pile_marks.h"

namespace velmora {

namespace {

constexpr int kRanks = 13;

// The helpers end this long after their last picture, and with them the
// fonts and glyphs each one loaded: a table drawn whole is drawn again only
// when its size or cards change.
constexpr int kHelperIdleMs = 300;

// The application's thread pool, whose helpers draw the pictures.
QThreadPool* Helpers() {
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->setExpiryTimeout(kHelperIdleMs);
    return pool;
}

art::CardSize ArtSize(const FittedKey& key) { return art::FittedCard(key.width, key.height); }

bool KnownMark(std::string_view name) {
    return std::any_of(std::begin(art::kMarkCodes), std::end(art::kMarkCodes),
                       [name](const char* code) { return name == code; });
}

}  // namespace

void LoadCardFontsAhead() {
    Helpers()->start([] { art::LoadFonts(); });
}

const Surface& FittedPictures::Keep(std::optional<Surface>& slot, const QImage& image) const {
    ++drawn_;
    slot = image.isNull() ? Surface() : Surface(image, key_.scale);
    return *slot;
}

QImage FittedPictures::DrawFace(int image_index) const {
    if (image_index == kFaceImages - 1) return art::DrawJoker(ArtSize(key_), key_.scale);
    const art::CardSet* set = art::CardSetNumbered(key_.card_set);
    if (!set) return QImage();
    const auto suit = static_cast<art::Suit>(image_index / kRanks);
    return art::DrawCardFace(ArtSize(key_), *set, suit, image_index % kRanks + 1, key_.scale);
}

const Surface& FittedPictures::Face(int image_index) const {
    static const Surface kNone;
    if (image_index < 0 || image_index >= kFaceImages || !Drawable()) return kNone;
    face_used_[static_cast<size_t>(image_index)] = ++requests_;
    std::optional<Surface>& slot = faces_[static_cast<size_t>(image_index)];
    if (slot) return *slot;
    art::LoadFonts();
    return Keep(slot, DrawFace(image_index));
}

void FittedPictures::Prepare(const std::vector<int>& image_indexes, bool back) const {
    if (!Drawable()) return;
    std::vector<int> missing;
    for (int index : image_indexes)
        if (index >= 0 && index < kFaceImages && !faces_[static_cast<size_t>(index)] &&
            std::find(missing.begin(), missing.end(), index) == missing.end())
            missing.push_back(index);
    const bool draw_back = back && !back_ && art::IsCardBackNumber(key_.back);
    const size_t pictures = missing.size() + (draw_back ? 1 : 0);
    if (pictures < 2) return;  // one picture gains nothing from other cores
    art::LoadFonts();  // registered once, before any other thread draws text
    // Picture i is a face of `missing`, the last one the back. The workers
    // take the next picture not yet taken, the court cards and the back
    // (the slowest to draw) first, so none is left with the last long one;
    // each writes only the results of the pictures it took.
    std::vector<size_t> order(pictures);
    std::iota(order.begin(), order.end(), size_t{0});
    const auto slow = [&missing](size_t i) { return i >= missing.size() || missing[i] % kRanks >= 10; };
    std::stable_partition(order.begin(), order.end(), slow);
    std::vector<QImage> drawn(pictures);
    std::atomic<size_t> next{0};
    const auto draw = [&] {
        for (size_t taken = next++; taken < pictures; taken = next++) {
            const size_t i = order[taken];
            // Made a surface's format here, on the helper, not one by one after.
            drawn[i] = (i < missing.size() ? DrawFace(missing[i]) : art::DrawCardBack(ArtSize(key_), key_.back, key_.scale))
                           .convertToFormat(QImage::Format_RGB32);
        }
    };
    // The workers are the application's thread pool: painting in one of its
    // threads fills each shape at once, where painting in this thread would
    // hand every large fill to the pool in pieces and wait for them.
    QThreadPool* pool = Helpers();
    const size_t workers = std::clamp<size_t>(static_cast<size_t>(pool->maxThreadCount()), 1, std::min<size_t>(4, pictures));
    QSemaphore finished;
    for (size_t w = 0; w < workers; ++w)
        pool->start([&draw, &finished] {
            draw();
            finished.release();
        });
    finished.acquire(static_cast<int>(workers));
    for (size_t i = 0; i < missing.size(); ++i) {
        Keep(faces_[static_cast<size_t>(missing[i])], drawn[i]);
        face_used_[static_cast<size_t>(missing[i])] = ++requests_;
    }
    if (draw_back) Keep(back_, drawn.back());
}

void FittedPictures::ForgetFaces(size_t keep) const {
    std::vector<size_t> held;
    for (size_t i = 0; i < faces_.size(); ++i)
        if (faces_[i]) held.push_back(i);
    if (held.size() <= keep) return;
    std::sort(held.begin(), held.end(), [this](size_t a, size_t b) { return face_used_[a] > face_used_[b]; });
    for (size_t i = keep; i < held.size(); ++i) faces_[held[i]].reset();
}

int FittedPictures::FacesHeld() const {
    return static_cast<int>(std::count_if(faces_.begin(), faces_.end(), [](const auto& face) { return face.has_value(); }));
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
