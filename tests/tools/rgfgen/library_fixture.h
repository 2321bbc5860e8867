#pragma once
// The generated library, made once for all tests, and lookups into it.

#include <QImage>
#include <string>
#include <vector>

#include "platform/resource_format.h"

namespace velmora::rgfgen::testing {

const std::vector<rgf::Entry>& Library();

// The entry of that name (compared without regard to case), or null.
const rgf::Entry* Find(const std::string& name);

// A bitmap or cursor entry decoded from its picture; a null image when the
// entry is missing or does not decode.
QImage Picture(const std::string& name);

}  // namespace velmora::rgfgen::testing
