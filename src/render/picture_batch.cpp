#include "render/picture_batch.h"

#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <numeric>
#include <optional>

#include "art/card_backs.h"
#include "art/card_faces.h"
#include "art/fonts.h"
#include "art/pile_marks.h"

namespace velmora {

namespace {

constexpr int kRanks = 13;
constexpr int kFaces = 53;

// The helpers end this long after their last picture, and with them the
// fonts and glyphs each one loaded: a table drawn whole is drawn again only
// when its size or cards change.
constexpr int kHelperIdleMs = 300;

art::CardSize ArtSize(const FittedKey& key) { return art::FittedCard(key.width, key.height); }

bool Contains(const std::vector<int>& faces, int face) {
    return std::find(faces.begin(), faces.end(), face) != faces.end();
}

}  // namespace

QThreadPool* PictureHelpers() {
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->setExpiryTimeout(kHelperIdleMs);
    return pool;
}

QImage DrawFittedFace(const FittedKey& key, int image_index) {
    if (image_index < 0 || image_index >= kFaces || !Drawable(key)) return QImage();
    if (image_index == kFaces - 1) return art::DrawJoker(ArtSize(key), key.scale);
    const art::CardSet* set = art::CardSetNumbered(key.card_set);
    if (!set) return QImage();
    const auto suit = static_cast<art::Suit>(image_index / kRanks);
    return art::DrawCardFace(ArtSize(key), *set, suit, image_index % kRanks + 1, key.scale);
}

QImage DrawFittedBack(const FittedKey& key) {
    if (!Drawable(key) || !art::IsCardBackNumber(key.back)) return QImage();
    return art::DrawCardBack(ArtSize(key), key.back, key.scale);
}

QImage DrawFittedMark(const FittedKey& key, const std::string& code) {
    if (!Drawable(key)) return QImage();
    return art::DrawPileMark(ArtSize(key), code, key.scale);
}

// Shared with the helpers, so a batch given up while one of them still
// draws ends only when that helper has finished.
struct PictureBatch::State {
    FittedKey key;
    // Picture i is face faces[i], then comes the back (with `back`), then
    // the marks.
    std::vector<int> faces;
    bool back = false;
    std::vector<std::string> marks;
    size_t count = 0;
    std::vector<size_t> order;  // the pictures in the order they are handed out
    std::unique_ptr<std::atomic<bool>[]> wanted;
    std::vector<std::optional<QImage>> drawn;
    std::atomic<size_t> next{0};
    std::mutex mutex;
    std::condition_variable idle;
    int helpers = 0;
    Stored stored;
    std::once_flag looked;

    // The index in `marks` of picture i, if it is a mark.
    std::optional<size_t> MarkAt(size_t i) const {
        const size_t first = faces.size() + (back ? 1 : 0);
        return i >= first ? std::optional<size_t>(i - first) : std::nullopt;
    }

    QImage Draw(size_t i) const {
        if (i < faces.size()) return DrawFittedFace(key, faces[i]);
        if (const std::optional<size_t> mark = MarkAt(i)) return DrawFittedMark(key, marks[*mark]);
        return DrawFittedBack(key);
    }

    // Takes the pictures from the store when it has them all.
    void LookInStore() {
        if (!stored) return;
        std::optional<std::vector<QImage>> found = stored();
        stored = nullptr;
        if (!found || found->size() != count) return;
        for (size_t i = 0; i < count; ++i) drawn[i] = std::move((*found)[i]);
        next = count;
    }

    void Work() {
        std::call_once(looked, [this] { LookInStore(); });
        if (next < count) art::LoadFonts();  // registered once, before any helper draws text
        for (size_t taken = next++; taken < count; taken = next++) {
            const size_t i = order[taken];
            if (!wanted[i]) continue;
            // Made a surface's format here, on the helper, not one by one after.
            drawn[i] = Draw(i).convertToFormat(QImage::Format_RGB32);
        }
        {
            const std::lock_guard lock(mutex);
            --helpers;
        }
        idle.notify_all();
    }
};

PictureBatch::PictureBatch(const FittedKey& key, const std::vector<int>& faces, bool back,
                           const std::vector<std::string>& marks)
    : state_(std::make_shared<State>()) {
    State& s = *state_;
    s.key = key;
    s.faces = faces;
    s.back = back;
    s.marks = marks;
    s.count = faces.size() + (back ? 1 : 0) + marks.size();
    s.order.resize(s.count);
    std::iota(s.order.begin(), s.order.end(), size_t{0});
    // The slowest first: the marks, the courts, then the back.
    const auto slow = [&faces](size_t i) { return i >= faces.size() || faces[i] % kRanks >= 10; };
    const auto court = [&faces](size_t i) { return i < faces.size() && faces[i] % kRanks >= 10; };
    const auto mark = [&s](size_t i) { return s.MarkAt(i).has_value(); };
    std::stable_partition(s.order.begin(), s.order.end(), slow);
    std::stable_partition(s.order.begin(), s.order.end(), court);
    std::stable_partition(s.order.begin(), s.order.end(), mark);
    s.wanted = std::make_unique<std::atomic<bool>[]>(s.count);
    for (size_t i = 0; i < s.count; ++i) s.wanted[i] = true;
    s.drawn.resize(s.count);
}

PictureBatch::~PictureBatch() { state_->next = state_->count; }

const FittedKey& PictureBatch::Key() const { return state_->key; }

void PictureBatch::LookFirstIn(Stored stored) { state_->stored = std::move(stored); }

void PictureBatch::AddHelpers(int count) {
    QThreadPool* pool = PictureHelpers();
    for (int h = 0; h < count; ++h) {
        {
            const std::lock_guard lock(state_->mutex);
            ++state_->helpers;
        }
        pool->start([state = state_] { state->Work(); });
    }
}

void PictureBatch::Narrow(const std::vector<int>& faces, bool back) {
    State& s = *state_;
    for (size_t i = 0; i < s.count; ++i) {
        if (i < s.faces.size())
            s.wanted[i] = Contains(faces, s.faces[i]);
        else if (!s.MarkAt(i))
            s.wanted[i] = back;
    }
}

int PictureBatch::Untaken() const {
    const State& s = *state_;
    int untaken = 0;
    for (size_t taken = std::min(s.next.load(), s.count); taken < s.count; ++taken) untaken += s.wanted[s.order[taken]] ? 1 : 0;
    return untaken;
}

void PictureBatch::Wait() {
    std::unique_lock lock(state_->mutex);
    state_->idle.wait(lock, [this] { return state_->helpers == 0; });
}

std::vector<PictureBatch::Drawn> PictureBatch::Take() {
    State& s = *state_;
    std::vector<Drawn> pictures;
    for (size_t i = 0; i < s.count; ++i) {
        if (!s.wanted[i] || !s.drawn[i]) continue;
        const std::optional<size_t> mark = s.MarkAt(i);
        pictures.push_back({i < s.faces.size() ? s.faces[i] : -1, mark ? s.marks[*mark] : std::string(),
                            std::move(*s.drawn[i])});
        s.drawn[i].reset();
    }
    return pictures;
}

}  // namespace velmora
