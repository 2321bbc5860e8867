#pragma once
// The splash window's picture, drawn from the card faces already in the
// library.

namespace velmora::rgfgen {

class ResourceSink;

// Adds the bitmap "SPLASH_PICTURE" (393 by 309); the card faces must be in `sink`.
void AddSplashPicture(ResourceSink& sink);

}  // namespace velmora::rgfgen
