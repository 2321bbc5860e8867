// Commands that lay the table out and show where its piles lie: window,
// size (F follows the window, the default; B, M and L are fixed), layout.
#include <string>

#include "arguments.h"
#include "driver.h"
#include "engine/layout/card_positions.h"
#include "engine/layout/nearest.h"
#include "engine/layout/pile_layout.h"
#include "engine/layout/prepare_table.h"
#include "engine/model/pile_names.h"
#include "engine/model/pile_string.h"

namespace velmora::cli {

namespace {

// The driver's table has no toolbar and no scroll bar: the window given is
// the table's client area.
LayoutInputs TableInputs(int width, int height, int screen_width, int screen_height) {
    return MainWindowInputs(width, height, 0, 0, screen_width, screen_height);
}

bool GameLoaded(const Engine& e) { return e.R(307) != 0; }

Reply Window(Driver& d, const Driver::Args& args) {
    if (args.size() != 2 && args.size() != 4)
        return Reply::Fail("usage: window <width> <height> [<screen width> <screen height>]");
    int64_t size[4] = {0, 0, 0, 0};
    for (size_t i = 0; i < args.size(); ++i)
        if (!ReadNumber(args[i], 1, 30000, size[i])) return Reply::Fail("a size is 1 to 30000 pixels");
    Engine& e = d.engine();
    // The screen stays as it was when only the window changes.
    const int screen_width = args.size() == 4 ? static_cast<int>(size[2]) : e.geometry.inputs.screen_width;
    const int screen_height = args.size() == 4 ? static_cast<int>(size[3]) : e.geometry.inputs.screen_height;
    LayOutAgain(e, TableInputs(static_cast<int>(size[0]), static_cast<int>(size[1]), screen_width, screen_height));
    return {};
}

Reply Size(Driver& d, const Driver::Args& args) {
    if (args.size() != 1 || (args[0] != "F" && args[0] != "B" && args[0] != "M" && args[0] != "L"))
        return Reply::Fail("usage: size F|B|M|L");
    Engine& e = d.engine();
    e.params.ParamWrite(param::kCardSize, 1, args[0]);
    CardSizeForLetter(args[0][0], e.geometry.card);
    if (GameLoaded(e)) SetFanOffsets(e, args[0][0]);
    LayOutAgain(e, e.geometry.inputs);
    return {};
}

int AnchorX(const Engine& e, PileRef ref) {
    const TMainGame& g = e.main_game;
    switch (ref.list) {
        case ListId::Stock: return g.StockAreaX(ref.index);
        case ListId::Foundation: return g.FoundationX(ref.index);
        case ListId::Tableau: return TableauX(e.tableau_anchors, ref.index);
        case ListId::Reserve: return g.ReserveX(ref.index);
    }
    return 0;
}

int AnchorY(const Engine& e, PileRef ref) {
    const TMainGame& g = e.main_game;
    switch (ref.list) {
        case ListId::Stock: return g.StockAreaY(ref.index);
        case ListId::Foundation: return g.FoundationY(ref.index);
        case ListId::Tableau: return TableauY(e.tableau_anchors, g, ref.index);
        case ListId::Reserve: return g.ReserveY(ref.index);
    }
    return 0;
}

// "Fila3 210 130 210 130 281 226 ...": the anchor, then every card's
// rectangle from the bottom card up.
std::string PileLine(const Engine& e, PileRef ref) {
    const std::string name = PileName(ref);
    std::string line = name + " " + std::to_string(AnchorX(e, ref)) + " " + std::to_string(AnchorY(e, ref));
    const int cards = PileCount(e.piles.Text(ref.list, ref.index));
    const CardSize card = e.geometry.card;
    for (int i = 0; i < cards; ++i) {
        const int x = CardX(e, name, ref.index, cards - i, true);
        const int y = CardY(e, name, cards - i, true);
        for (int v : {x, y, x + card.width, y + card.height}) line += " " + std::to_string(v);
    }
    return line;
}

Reply Layout(Driver& d, const Driver::Args& args) {
    if (!args.empty()) return Reply::Fail("layout takes no arguments");
    const Engine& e = d.engine();
    Reply reply;
    if (!GameLoaded(e)) return reply;  // no game, no table
    for (ListId list : {ListId::Stock, ListId::Foundation, ListId::Tableau, ListId::Reserve})
        for (int i = 0; i < ListSize(list); ++i)
            if (IsPlacedY(AnchorY(e, {list, i}))) reply.lines.push_back(PileLine(e, {list, i}));
    return reply;
}

}  // namespace

void UseDefaultTable(Engine& e) { e.geometry.inputs = TableInputs(1280, 800, 1280, 800); }

void RegisterLayoutCommands(std::map<std::string, Driver::Handler>& table) {
    table["window"] = Window;
    table["size"] = Size;
    table["layout"] = Layout;
}

}  // namespace velmora::cli
