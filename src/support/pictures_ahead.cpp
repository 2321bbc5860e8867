#include "support/pictures_ahead.h"

#include <QThreadPool>
#include <QTimer>

#include <array>
#include <charconv>
#include <numeric>
#include <vector>

#include "art/pile_marks.h"
#include "platform/durable_files.h"
#include "platform/files.h"
#include "support/pictures_kept.h"
#include "text/whole_file.h"

namespace velmora {

namespace {

constexpr std::string_view kWord = "cards";
// A line of six short words and the marks' codes; more is no hint.
constexpr size_t kLargestHint = 512;
// The pictures are kept once the first table has been painted, so drawing
// them slows nothing the player waits for.
constexpr int kKeepPicturesAfterMs = 1000;

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

// The codes after the numbers: each after one blank, up to the line's end.
std::optional<std::vector<std::string>> MarkCodes(std::string_view text) {
    std::vector<std::string> codes;
    while (text != "\n") {
        if (text.empty() || text.front() != ' ') return std::nullopt;
        text.remove_prefix(1);
        const std::string_view code = text.substr(0, text.find_first_of(" \n"));
        if (!art::IsMarkCode(code)) return std::nullopt;
        codes.emplace_back(code);
        text.remove_prefix(code.size());
    }
    return codes;
}

void Write(const std::string& data_folder, const TablePictures& table) {
    ReplaceFileContents(HintPath(data_folder), FormatCardSizeHint(table));
}

}  // namespace

std::string FormatCardSizeHint(const TablePictures& table) {
    const FittedKey& key = table.key;
    std::string line = std::string(kWord) + ' ' + std::to_string(key.width) + ' ' + std::to_string(key.height) +
                       ' ' + std::to_string(key.scale) + ' ' + std::to_string(key.card_set) + ' ' +
                       std::to_string(key.back);
    for (const std::string& code : table.marks) line += ' ' + code;
    return line + '\n';
}

std::optional<TablePictures> ParseCardSizeHint(std::string_view text) {
    if (text.substr(0, kWord.size()) != kWord) return std::nullopt;
    text.remove_prefix(kWord.size());
    std::array<int, 5> values{};
    for (int& value : values) {
        const std::optional<int> number = NextNumber(text);
        if (!number) return std::nullopt;
        value = *number;
    }
    std::optional<std::vector<std::string>> marks = MarkCodes(text);
    const FittedKey key{values[0], values[1], values[2], values[3], values[4]};
    if (!marks || !Drawable(key)) return std::nullopt;
    return TablePictures{key, std::move(*marks)};
}

std::optional<TablePictures> ReadCardSizeHint(const std::string& data_folder) {
    std::string text;
    if (ReadRegularFileUpTo(HintPath(data_folder), kLargestHint, text) != FileRead::kRead) return std::nullopt;
    return ParseCardSizeHint(text);
}

std::unique_ptr<PictureBatch> StartPicturesAhead(const TablePictures& table, const std::string& data_folder) {
    std::vector<int> faces(kFacesAhead);
    std::iota(faces.begin(), faces.end(), 0);
    auto batch = std::make_unique<PictureBatch>(table.key, faces, true, table.marks);
    batch->LookFirstIn([path = KeptPicturesPath(data_folder), table] { return TakeKeptPictures(path, table); });
    batch->AddHelpers(1);
    return batch;
}

void CardSizeHint::KeepSoon(const TablePictures& table) {
    if (!Drawable(table.key)) return;
    if (Changed(table)) {
        kept_ = table;
        PictureHelpers()->start([folder = data_folder_, table] { Write(folder, table); });
    }
    QTimer::singleShot(kKeepPicturesAfterMs, [folder = data_folder_, table] {
        PictureHelpers()->start([folder, table] { KeepTablePictures(folder, table); });
    });
}

void CardSizeHint::KeepNow(const TablePictures& table) {
    if (!Changed(table)) return;
    kept_ = table;
    Write(data_folder_, table);
}

}  // namespace velmora
