#include "support/pictures_kept.h"

#include <QtGlobal>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

#include "art/fonts.h"
#include "art_stamp.h"
#include "platform/durable_files.h"
#include "platform/files.h"
#include "platform/free_memory.h"
#include "render/picture_batch.h"

namespace velmora {

namespace {

constexpr std::string_view kFirstLine = "velmora pictures 1\n";
// Far beyond the largest card the art draws (1000 x 1400 at scale 4) is a
// damaged file, not pictures.
constexpr int64_t kLargestSide = 6000;
constexpr int64_t kLargestFile = int64_t{256} << 20;

std::string Head(const TablePictures& table, uint64_t art, size_t count) {
    char stamp[17];
    std::snprintf(stamp, sizeof stamp, "%016llx", static_cast<unsigned long long>(art));
    return std::string(kFirstLine) + FormatCardSizeHint(table) + "art " + stamp + "\ncount " +
           std::to_string(count) + "\n";
}

size_t PictureCount(const TablePictures& table) { return kFacesAhead + 1 + table.marks.size(); }

// A check of the pixels, given row by row: eight bytes at a time, the bytes
// of a row's end one by one.
class PixelCheck {
  public:
    void Add(const uchar* bytes, size_t size) {
        size_t i = 0;
        for (; i + 8 <= size; i += 8) {
            uint64_t word = 0;
            std::memcpy(&word, bytes + i, 8);
            Mix(word);
        }
        for (; i < size; ++i) Mix(bytes[i]);
    }
    uint64_t Value() const { return value_; }

  private:
    void Mix(uint64_t word) { value_ = (value_ ^ word) * 0x100000001B3ull; }
    uint64_t value_ = 0xCBF29CE484222325ull;
};

void PutNumber(std::string& out, uint64_t value, size_t bytes) {
    char raw[8];
    std::memcpy(raw, &value, sizeof raw);
    out.append(raw, bytes);
}

bool ReadExactly(std::ifstream& in, void* to, size_t bytes) {
    in.read(static_cast<char*>(to), static_cast<std::streamsize>(bytes));
    return in.gcount() == static_cast<std::streamsize>(bytes);
}

// Opens only a regular file: a pipe or a device would hold the helper.
std::optional<std::ifstream> OpenFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return in;
}

bool HeadMatches(std::ifstream& in, const std::string& head) {
    std::string read(head.size(), '\0');
    return ReadExactly(in, read.data(), read.size()) && read == head;
}

// The pictures' sizes, if they add up with the head to the file's size.
std::optional<std::vector<QSize>> ReadSizes(std::ifstream& in, size_t count, int64_t file_size, size_t head) {
    std::vector<QSize> sizes(count);
    int64_t total = static_cast<int64_t>(head + count * 8 + 8);
    for (QSize& size : sizes) {
        int32_t side[2];
        if (!ReadExactly(in, side, sizeof side)) return std::nullopt;
        if (side[0] < 0 || side[1] < 0 || side[0] > kLargestSide || side[1] > kLargestSide) return std::nullopt;
        if ((side[0] == 0) != (side[1] == 0)) return std::nullopt;
        size = QSize(side[0], side[1]);
        total += int64_t{side[0]} * side[1] * 4;
        if (total > kLargestFile) return std::nullopt;
    }
    if (total != file_size) return std::nullopt;
    return sizes;
}

std::optional<QImage> ReadPicture(std::ifstream& in, QSize size, PixelCheck& check) {
    if (size.isEmpty()) return QImage();
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) return std::nullopt;
    const size_t row = static_cast<size_t>(size.width()) * 4;
    for (int y = 0; y < size.height(); ++y) {
        if (!ReadExactly(in, image.scanLine(y), row)) return std::nullopt;
        check.Add(image.constScanLine(y), row);
    }
    return image;
}

}  // namespace

uint64_t ArtStamp() {
    return VELMORA_ART_STAMP ^ std::hash<std::string_view>{}(qVersion());
}

std::vector<QImage> DrawTablePictures(const TablePictures& table) {
    art::LoadFonts();
    std::vector<QImage> pictures;
    pictures.reserve(PictureCount(table));
    for (int face = 0; face < kFacesAhead; ++face)
        pictures.push_back(DrawFittedFace(table.key, face).convertToFormat(QImage::Format_RGB32));
    pictures.push_back(DrawFittedBack(table.key).convertToFormat(QImage::Format_RGB32));
    for (const std::string& code : table.marks)
        pictures.push_back(DrawFittedMark(table.key, code).convertToFormat(QImage::Format_RGB32));
    return pictures;
}

std::string FormatKeptPictures(const TablePictures& table, uint64_t art, const std::vector<QImage>& pictures) {
    std::string out = Head(table, art, pictures.size());
    for (const QImage& picture : pictures) {
        PutNumber(out, static_cast<uint32_t>(picture.width()), 4);
        PutNumber(out, static_cast<uint32_t>(picture.height()), 4);
    }
    PixelCheck check;
    for (const QImage& picture : pictures) {
        const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
        const size_t row = static_cast<size_t>(rgb.width()) * 4;
        for (int y = 0; y < rgb.height(); ++y) {
            out.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), row);
            check.Add(rgb.constScanLine(y), row);
        }
    }
    PutNumber(out, check.Value(), 8);
    return out;
}

std::optional<std::vector<QImage>> ReadKeptPictures(const std::string& path, const TablePictures& table,
                                                    uint64_t art) {
    std::optional<std::ifstream> in = OpenFile(path);
    if (!in) return std::nullopt;
    const size_t count = PictureCount(table);
    const std::string head = Head(table, art, count);
    std::error_code error;
    const auto file_size = static_cast<int64_t>(std::filesystem::file_size(path, error));
    if (error || !HeadMatches(*in, head)) return std::nullopt;
    const std::optional<std::vector<QSize>> sizes = ReadSizes(*in, count, file_size, head.size());
    if (!sizes) return std::nullopt;
    std::vector<QImage> pictures;
    pictures.reserve(count);
    PixelCheck check;
    for (const QSize& size : *sizes) {
        std::optional<QImage> picture = ReadPicture(*in, size, check);
        if (!picture) return std::nullopt;
        pictures.push_back(std::move(*picture));
    }
    uint64_t stored = 0;
    if (!ReadExactly(*in, &stored, sizeof stored) || stored != check.Value()) return std::nullopt;
    return pictures;
}

bool KeptPicturesNamed(const std::string& path, const TablePictures& table, uint64_t art) {
    std::optional<std::ifstream> in = OpenFile(path);
    return in && HeadMatches(*in, Head(table, art, PictureCount(table)));
}

std::optional<std::vector<QImage>> TakeKeptPictures(const std::string& path, const TablePictures& table) {
    const uint64_t art = ArtStamp();
    std::optional<std::vector<QImage>> pictures = ReadKeptPictures(path, table, art);
    std::error_code error;
    if (!pictures && KeptPicturesNamed(path, table, art)) std::filesystem::remove(path, error);
    return pictures;
}

std::string KeptPicturesPath(const std::string& data_folder) {
    return FindPath(data_folder, kKeptPicturesName, EntryKind::File);
}

void KeepTablePictures(const std::string& data_folder, const TablePictures& table) {
    if (!Drawable(table.key)) return;
    const std::string path = KeptPicturesPath(data_folder);
    const uint64_t art = ArtStamp();
    if (KeptPicturesNamed(path, table, art)) return;
    ReplaceFileContents(path, FormatKeptPictures(table, art, DrawTablePictures(table)));
    ReturnFreeMemory();
}

}  // namespace velmora
