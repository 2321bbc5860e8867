#include "support/pictures_ahead.h"

#include <QThreadPool>

#include <array>
#include <charconv>
#include <numeric>
#include <vector>

#include "platform/durable_files.h"
#include "platform/files.h"
#include "text/whole_file.h"

namespace velmora {

namespace {

constexpr std::string_view kWord = "cards";
// A line of six short words; more is no hint.
constexpr size_t kLargestHint = 128;
constexpr int kFaces = 52;

std::string HintPath(const std::string& data_folder) {
    return FindPath(data_folder, kCardSizeHintName, EntryKind::File);
}

// The next number after one blank, or nothing.
std::optional<int> NextNumber(std::string_view& text) {
    if (text.empty() || text.front() != ' ') return std::nullopt;
    text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return std::nullopt;
    text.remove_prefix(static_cast<size_t>(end - text.data()));
    return value;
}

void Write(const std::string& data_folder, const FittedKey& key) {
    ReplaceFileContents(HintPath(data_folder), FormatCardSizeHint(key));
}

}  // namespace

std::string FormatCardSizeHint(const FittedKey& key) {
    return std::string(kWord) + ' ' + std::to_string(key.width) + ' ' + std::to_string(key.height) + ' ' +
           std::to_string(key.scale) + ' ' + std::to_string(key.card_set) + ' ' + std::to_string(key.back) + '\n';
}

std::optional<FittedKey> ParseCardSizeHint(std::string_view text) {
    if (text.substr(0, kWord.size()) != kWord) return std::nullopt;
    text.remove_prefix(kWord.size());
    std::array<int, 5> values{};
    for (int& value : values) {
        const std::optional<int> number = NextNumber(text);
        if (!number) return std::nullopt;
        value = *number;
    }
    if (text != "\n") return std::nullopt;
    const FittedKey key{values[0], values[1], values[2], values[3], values[4]};
    if (!Drawable(key)) return std::nullopt;
    return key;
}

std::optional<FittedKey> ReadCardSizeHint(const std::string& data_folder) {
    std::string text;
    if (ReadRegularFileUpTo(HintPath(data_folder), kLargestHint, text) != FileRead::kRead) return std::nullopt;
    return ParseCardSizeHint(text);
}

std::unique_ptr<PictureBatch> StartPicturesAhead(const FittedKey& key) {
    std::vector<int> faces(kFaces);
    std::iota(faces.begin(), faces.end(), 0);
    auto batch = std::make_unique<PictureBatch>(key, faces, true);
    batch->AddHelpers(1);
    return batch;
}

void CardSizeHint::KeepSoon(const FittedKey& key) {
    if (!Changed(key)) return;
    kept_ = key;
    PictureHelpers()->start([folder = data_folder_, key] { Write(folder, key); });
}

void CardSizeHint::KeepNow(const FittedKey& key) {
    if (!Changed(key)) return;
    kept_ = key;
    Write(data_folder_, key);
}

}  // namespace velmora
