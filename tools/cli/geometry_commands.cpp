// Commands that ask the geometry of the table: which card lies under a
// point, where a card dragged to a point lands, and the order the keyboard
// walks the piles in. They see the piles where the layout (or a test) put
// them.
#include <cstdint>
#include <string>

#include "arguments.h"
#include "driver.h"
#include "engine/layout/card_positions.h"
#include "engine/layout/drop_overlap.h"
#include "engine/layout/pile_walk.h"
#include "play_commands.h"

namespace velmora::cli {

namespace {

// Table coordinates are 16-bit values.
bool ReadPoint(const std::string& x_text, const std::string& y_text, int& x, int& y) {
    int64_t px = 0;
    int64_t py = 0;
    if (!ReadNumber(x_text, INT16_MIN, INT16_MAX, px) || !ReadNumber(y_text, INT16_MIN, INT16_MAX, py)) return false;
    x = static_cast<int>(px);
    y = static_cast<int>(py);
    return true;
}

Reply Hit(Driver& d, const Driver::Args& args) {
    if (args.size() != 2) return Reply::Fail("usage: hit <x> <y>");
    int x = 0;
    int y = 0;
    if (!ReadPoint(args[0], args[1], x, y)) return Reply::Fail("a coordinate is a whole number of pixels");
    const CardHit hit = CardAt(d.engine(), x, y);
    Reply reply;
    if (hit.pile.empty()) {
        reply.lines.emplace_back("none");
        return reply;
    }
    const Rect& r = hit.rect;
    reply.lines.push_back(hit.pile + " " + std::to_string(hit.code) + " " + std::to_string(r.left) + " " +
                          std::to_string(r.top) + " " + std::to_string(r.right) + " " + std::to_string(r.bottom));
    return reply;
}

// The card and its run are picked up and let go with the card's top-left
// corner at the point.
Reply Drag(Driver& d, const Driver::Args& args) {
    if (args.size() != 3) return Reply::Fail("usage: drag <code> <x> <y>");
    const auto card = ReadCard(args[0]);
    if (!card) return Reply::Fail("a card code is 1 to 108");
    int x = 0;
    int y = 0;
    if (!ReadPoint(args[1], args[2], x, y)) return Reply::Fail("a coordinate is a whole number of pixels");
    Engine& e = d.engine();
    return CarryAndRelease(e, *card, DropCandidatesAt(e, x, y, *card));
}

// The piles in the order Right walks them, one a line, each with the
// positions (0 the bottom) of the cards Up can choose, the top card first.
Reply Walk(Driver& d, const Driver::Args& args) {
    if (!args.empty()) return Reply::Fail("usage: walk");
    Reply reply;
    for (const PileRef& pile : WalkOrder(d.engine())) {
        std::string line = PileName(pile);
        for (int position : ChoosableCards(d.engine(), pile)) line += " " + std::to_string(position);
        reply.lines.push_back(line);
    }
    return reply;
}

}  // namespace

void RegisterGeometryCommands(std::map<std::string, Driver::Handler>& table) {
    table["hit"] = Hit;
    table["drag"] = Drag;
    table["walk"] = Walk;
}

}  // namespace velmora::cli
