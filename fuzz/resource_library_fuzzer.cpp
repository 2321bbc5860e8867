// The resource library (QOR.RGF) on any bytes: parsing and loading agree,
// what parses writes back to bytes that parse to the same entries, and every
// picture, cursor and wave of a loaded library can be asked for without a
// fault.
#include <QCursor>
#include <QImage>
#include <QLoggingCategory>
#include <QPoint>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "platform/resource_format.h"
#include "platform/resource_library.h"
#include "qt_offscreen.h"
#include "wave_checks.h"

namespace {

using velmora::fuzz::Check;
namespace rgf = velmora::rgf;

// Decoding is the slow part; a library this long is already a hostile one.
constexpr size_t kMaxDecodedEntries = 48;

bool SameEntries(const std::vector<rgf::Entry>& a, const std::vector<rgf::Entry>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].kind != b[i].kind || a[i].name != b[i].name || a[i].payload != b[i].payload ||
            a[i].hotspot_x != b[i].hotspot_x || a[i].hotspot_y != b[i].hotspot_y)
            return false;
    }
    return true;
}

std::string Flipped(std::string name) {
    for (char& c : name) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return name;
}

void AskFor(const velmora::ResourceLibrary& library, const rgf::Entry& entry) {
    Check(library.Contains(entry.kind, entry.name), "an entry is found by its name: " + entry.name);
    Check(library.Contains(entry.kind, Flipped(entry.name)),
          "names are found without regard to case");
    switch (entry.kind) {
        case rgf::Kind::Bitmap: {
            const QImage image = library.Bitmap(entry.name);
            Check(image.isNull() || image.format() == QImage::Format_RGB32,
                  "bitmaps come as RGB32");
            break;
        }
        case rgf::Kind::Cursor: {
            QImage image;
            QPoint hotspot;
            if (library.CursorImage(entry.name, &image, &hotspot)) {
                Check(image.format() == QImage::Format_ARGB32, "cursor pictures come as ARGB32");
                Check(image.rect().contains(hotspot), "the hotspot lies inside the cursor");
            }
            library.Cursor(entry.name);
            break;
        }
        case rgf::Kind::Wave:
            velmora::fuzz::CheckWave(library.Wave(entry.name));
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    velmora::fuzz::StartOffscreenApplication(argc, argv);
    // A warning for every broken picture would drown the fuzzer's own output.
    QLoggingCategory::setFilterRules("qt.gui.imageio.warning=false");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    std::string error;
    const auto entries = rgf::Parse(bytes, &error);
    velmora::ResourceLibrary library;
    std::string load_error;
    Check(library.LoadBytes(bytes, &load_error) == entries.has_value(),
          "loading and parsing disagree");
    if (!entries) {
        Check(!error.empty() && !load_error.empty(), "a refused library gives a reason");
        return 0;
    }
    const std::vector<uint8_t> written = rgf::Serialize(*entries);
    const auto reread = rgf::Parse(written, &error);
    Check(reread.has_value(), "a written library parses: " + error);
    Check(SameEntries(*reread, *entries), "a written library gives back its entries");
    Check(rgf::Serialize(*reread) == written, "writing is deterministic");

    for (size_t i = 0; i < entries->size() && i < kMaxDecodedEntries; ++i)
        AskFor(library, (*entries)[i]);
    // Entries the library does not hold are no fault either.
    library.Bitmap("no such bitmap");
    library.Wave("");
    return 0;
}
