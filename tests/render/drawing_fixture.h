#pragma once
// A table drawn with the program's own pictures: the small render table,
// the resource library beside the program, the card images of the default
// set and back, and a pacer that also remembers its waits.

#include <string>
#include <vector>

#include "engine/model/param_record.h"
#include "platform/resource_library.h"
#include "render/card_images.h"
#include "render/draw_context.h"
#include "render_fixture.h"

namespace velmora::render_test {

constexpr QRgb kTableGreen = 0xFF006000u;
constexpr QRgb kStaleRed = 0xFFE00000u;

class WaitingPacer : public RecordingPacer {
public:
    void Wait(int milliseconds) override { waits.push_back(milliseconds); }
    std::vector<int> waits;
};

class DrawingTable : public RenderTable {
public:
    DrawingTable() {
        library.Load(std::string(VELMORA_PROGRAM_DIR) + "QOR.RGF");
        ParamRecord& p = e().params;
        p.ParamWrite(param::kCardSize, 1, "B");
        p.ParamWrite(24, 3, "001");
        p.ParamWrite(21, 3, "011");
        p.ParamWrite(74, 2, "0");
        p.ParamWrite(178, 1, "N");
        p.ParamWrite(179, 1, "N");
        images.Reload(library, ChosenCardImages(p));
        e().geometry.card = CardSize{71, 96};
        // The bare table green, what was drawn before red.
        surfaces.background.Held().Fill(surfaces.background.Bounds(), kTableGreen);
        surfaces.back_buffer.Fill(surfaces.back_buffer.Bounds(), kStaleRed);
        surfaces.Window().Fill(surfaces.Window().Bounds(), kStaleRed);
    }

    DrawContext Context() { return {e(), surfaces, images, library, waiting, state}; }

    ResourceLibrary library;
    CardImages images;
    RenderState state;
    WaitingPacer waiting;
};

// The pixels of a rectangle of a surface, row by row.
inline std::vector<QRgb> PixelsOf(const Surface& s, const QRect& r) {
    std::vector<QRgb> out;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) out.push_back(s.Pixel(x, y));
    return out;
}

}  // namespace velmora::render_test
