#include "library.h"

#include "backgrounds.h"
#include "card_resources.h"
#include "cursors.h"
#include "icons.h"
#include "resource_sink.h"
#include "sounds.h"
#include "splash_art.h"

namespace velmora::rgfgen {

std::vector<rgf::Entry> BuildLibrary() {
    ResourceSink sink;
    AddCardFaces(sink);
    AddJokers(sink);
    AddCardBacks(sink);
    AddSuitSymbols(sink);
    AddPileMarks(sink);
    AddShadowStrips(sink);
    AddStockBorders(sink);
    AddBackgrounds(sink);
    AddTreeIcons(sink);
    AddInfoIcons(sink);
    AddToolbarGlyphs(sink);
    AddCursors(sink);
    AddSounds(sink);
    AddSplashPicture(sink);
    return sink.Take();
}

}  // namespace velmora::rgfgen
