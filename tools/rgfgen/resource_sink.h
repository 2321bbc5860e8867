#pragma once
// Collects the generated pictures, cursors and sounds in the order they are
// made and turns them into library entries (PNG, BMP and RIFF WAVE payloads).

#include <QImage>
#include <QPoint>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/resource_format.h"

namespace velmora::rgfgen {

class ResourceSink {
  public:
    void AddBitmap(const std::string& name, const QImage& image);
    // An opaque picture stored as an uncompressed BMP: for one the program
    // reads at every start before anything is on screen, where unpacking a
    // compressed picture of that size takes milliseconds.
    void AddPlainBitmap(const std::string& name, const QImage& image);
    // The picture as `draw` makes it at scale 1, then its twin for screens
    // of twice the density, drawn at scale 2, named with "@2" added.
    void AddBitmapTwins(const std::string& name, const std::function<QImage(int scale)>& draw);
    void AddCursor(const std::string& name, const QImage& image, QPoint hotspot);
    void AddWave(const std::string& name, std::vector<uint8_t> wave);

    const std::vector<rgf::Entry>& entries() const { return entries_; }
    std::vector<rgf::Entry> Take() { return std::move(entries_); }

  private:
    std::vector<rgf::Entry> entries_;
};

// PNG bytes of an image: opaque pictures as RGB, pictures with see-through
// pixels as RGBA. The bytes depend on the pixels only; empty on failure.
std::vector<uint8_t> EncodePng(const QImage& image);

}  // namespace velmora::rgfgen
