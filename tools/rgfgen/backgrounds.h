#pragma once
// Table backgrounds "B" + three-digit number.

#include <QImage>
#include <vector>

namespace velmora::rgfgen {

class ResourceSink;

struct Background {
    int number;
    QImage (*paint)();
};

const std::vector<Background>& Backgrounds();
void AddBackgrounds(ResourceSink& sink);

}  // namespace velmora::rgfgen
