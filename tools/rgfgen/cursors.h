#pragma once
// The table's twelve pointers: two arrows and a right and a left hand in
// two styles each, every one with an "A" (pointing) and a "B" (carrying a
// run) variant.

#include <QImage>
#include <QPoint>
#include <string>
#include <vector>

namespace velmora::rgfgen {

class ResourceSink;

inline constexpr int kCursorSize = 32;

struct CursorPicture {
    std::string name;
    QImage image;
    QPoint hotspot;
};

std::vector<CursorPicture> DrawCursors();
void AddCursors(ResourceSink& sink);

}  // namespace velmora::rgfgen
