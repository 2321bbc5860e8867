#include "render/card_images.h"

#include <algorithm>

#include "engine/model/param_record.h"
#include "platform/drawing.h"
#include "platform/resource_library.h"
#include "storage/preference_keys.h"

namespace velmora {

namespace {

constexpr int kRanks = 13;
constexpr int kCardsPerRow = 5;  // a suit's sheet: rows of 5, 5 and 3
constexpr std::string_view kSuitLetters = "HDCS";
// The back the library draws at the medium size itself; every other
// medium back is the big one made smaller.
constexpr std::string_view kBackWithMediumPicture = "011";


// The number three digits stand for; -1 when they are not digits.
int NumberOf(const std::string& digits) {
    int number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9' || number > 99999) return -1;
        number = number * 10 + (c - '0');
    }
    return digits.empty() ? -1 : number;
}

// Three digits, zero-padded on the left (a hand-edited "1" means "001").
std::string ThreeDigits(std::string value) {
    if (value.size() < 3) value.insert(0, 3 - value.size(), '0');
    return value;
}

// Card `k` of a suit's sheet; null when the sheet does not hold it.
Surface CutCard(const Surface& sheet, int k, CardSize size) {
    const QRect from((k % kCardsPerRow) * size.width, (k / kCardsPerRow) * size.height, size.width, size.height);
    if (sheet.IsNull() || !sheet.Bounds().contains(from)) return Surface();
    Surface card(size.width, size.height, sheet.Scale());
    card.Copy(0, 0, sheet, from);
    return card;
}

}  // namespace

CardImageChoice ChosenCardImages(const ParamRecord& params) {
    CardImageChoice choice;
    const std::string letter = params.ParamRead(key::kCardSize.position, 1);
    if (!letter.empty()) choice.size_letter = letter[0];
    choice.card_set = ThreeDigits(params.ParamRead(key::kCard.position, 3));
    choice.back = ThreeDigits(params.ParamRead(key::kBackCard.position, 3));
    return choice;
}

bool CardImages::Load(const ResourceLibrary& library, const CardImageChoice& choice) {
    if (loaded_ && *loaded_ == choice) return false;
    Reload(library, choice);
    return true;
}

void CardImages::Reload(const ResourceLibrary& library, const CardImageChoice& choice) {
    loaded_ = choice;
    if (choice.size_letter == kFitWindowLetter) {
        UseFitted(choice);
        return;
    }
    fitted_.reset();
    CardSizeForLetter(choice.size_letter, size_);
    const std::string letter(1, choice.size_letter);
    LoadFaces(library, choice);
    LoadBack(library, choice);
    const auto picture = [&](const std::string& name) { return ScaledResourceBitmap(library, name, choice.scale); };
    marks_.clear();
    for (std::string_view name : kMarkNames) marks_[std::string(name)] = picture("W" + letter + std::string(name));
    shadow_right_ = picture("SHADOW_" + letter + "1");
    shadow_bottom_ = picture("SHADOW_" + letter + "2");
    border_right_ = picture("3D_BORDER_" + letter + "1");
    border_bottom_ = picture("3D_BORDER_" + letter + "2");
}

void CardImages::UseFitted(const CardImageChoice& choice) {
    size_ = choice.size;
    const FittedKey key{choice.size.width, choice.size.height, choice.scale, NumberOf(choice.card_set),
                        NumberOf(choice.back)};
    const auto kept = std::find_if(fitted_kept_.begin(), fitted_kept_.end(),
                                   [&key](const auto& pictures) { return pictures->Key() == key; });
    if (kept != fitted_kept_.end()) {
        fitted_ = *kept;
        fitted_kept_.erase(kept);
    } else if (ahead_ && ahead_->Key() == key) {
        fitted_ = std::make_shared<const FittedPictures>(key, std::move(ahead_));
    } else {
        fitted_ = std::make_shared<const FittedPictures>(key);
    }
    // Drawable sizes only: the window's first pictures, before any layout,
    // have none.
    if (Drawable(key)) ahead_.reset();
    fitted_kept_.push_front(fitted_);
    if (fitted_kept_.size() > kFittedSetsKept) fitted_kept_.pop_back();
}

void CardImages::LoadFaces(const ResourceLibrary& library, const CardImageChoice& choice) {
    const std::string prefix = std::string("C") + choice.size_letter + choice.card_set;
    for (size_t suit = 0; suit < kSuitLetters.size(); ++suit) {
        const Surface sheet = ScaledResourceBitmap(library, prefix + kSuitLetters[suit], choice.scale);
        for (int k = 0; k < kRanks; ++k) faces_[suit * kRanks + static_cast<size_t>(k)] = CutCard(sheet, k, size_);
    }
    faces_[kFaceImages - 1] = ScaledResourceBitmap(library, std::string("JOKER_") + choice.size_letter, choice.scale);
}

void CardImages::LoadBack(const ResourceLibrary& library, const CardImageChoice& choice) {
    if (choice.size_letter != 'M' || choice.back == kBackWithMediumPicture) {
        back_ = ScaledResourceBitmap(library, std::string("D") + choice.size_letter + choice.back, choice.scale);
        return;
    }
    const Surface big = ScaledResourceBitmap(library, "DB" + choice.back, choice.scale);
    back_ = Surface();
    if (big.IsNull()) return;
    CardSize medium;
    CardSizeForLetter('M', medium);
    CardSize large;
    CardSizeForLetter('B', large);
    back_ = Surface(medium.width, medium.height, choice.scale);
    back_.CopyStretched(QRect(0, 0, medium.width, medium.height), big, QRect(0, 0, large.width, large.height),
                        StretchMode::Smooth);
}

const Surface& CardImages::Face(int image_index) const {
    if (fitted_) return fitted_->Face(image_index);
    static const Surface kNone;
    if (image_index < 0 || image_index >= kFaceImages) return kNone;
    return faces_[static_cast<size_t>(image_index)];
}

void CardImages::ForgetFaces(size_t keep) const {
    for (const auto& set : fitted_kept_) set->ForgetFaces(set == fitted_ ? keep : 0);
}

const Surface& CardImages::Mark(std::string_view name) const {
    if (fitted_) return fitted_->Mark(name);
    static const Surface kNone;
    const auto it = marks_.find(name);
    return it == marks_.end() ? kNone : it->second;
}

}  // namespace velmora
