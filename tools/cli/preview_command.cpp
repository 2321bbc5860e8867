// "previews <library> <out>": the resource library with a picture of every
// game of the catalogue added, each named "GAME" + the four-digit game
// number: the game's first deal laid out for the game selection's picture
// (300 by 185) with cards fitted to it and drawn as the window draws a table.
// The library is made with it at build time, so a preview always shows the
// game as it is defined now. The table is one see-through colour, which the
// picture's top-left pixel carries.
#include <QImage>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "driver.h"
#include "engine/deal/start_game.h"
#include "engine/layout/pile_layout.h"
#include "platform/resource_format.h"
#include "platform/resource_library.h"
#include "render/table_renderer.h"
#include "render/table_surfaces.h"
#include "resource_sink.h"
#include "storage/preference_keys.h"
#include "table_picture.h"
#include "text/ascii_case.h"
#include "text/fixed_text.h"
#include "text/whole_file.h"

namespace velmora::cli {

namespace {

// The green of the game selection's preview box (colour value), faded to
// black as the box is: the marks of empty piles blend with the table under
// them, so the picture is drawn on the box's own table, not on a key colour.
// The box still lets through the picture's top-left colour, which is its
// own there.
constexpr const char* kPreviewGreenValue = "32768";

// Cards fitted to the picture, so that a game of many piles fits it too,
// with their one back, on the preview box's fading green.
void UsePreviewLook(Engine& e) {
    ParamRecord& p = e.params;
    p.ParamWrite(key::kCardSize.position, 1, std::string(1, kFitWindowLetter));
    p.ParamWrite(key::kCard.position, 3, "001");
    p.ParamWrite(key::kBackCard.position, 3, "001");
    p.ParamWrite(key::kBackgroundDef.position, 1, "N");
    p.ParamWrite(key::kBackgroundBmp.position, 4, "0");
    p.ParamWrite(key::kBackgroundFixedCol.position, 15, kPreviewGreenValue);
    p.ParamWrite(key::kFadeBackground.position, 1, "Y");
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    return file.commit();
}

bool IsPreviewName(const std::string& name) {
    return name.size() == 8 && AsciiLower(name.substr(0, 4)) == "game" &&
           std::all_of(name.begin() + 4, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The dealt table of game `id`; a null image when it cannot be dealt.
QImage DrawPreview(Driver& d, int id, const ResourceLibrary& library) {
    Engine& e = d.engine();
    const LayoutInputs inputs = PreviewInputs();
    StartOptions options;
    options.deal_number = "1";
    options.rules = d.deal_rules;
    options.layout = &inputs;
    ChooseGame(e, id);
    if (!StartGame(e, d.games(), options) && e.R(307) == 0) return {};
    TableSurfaces surfaces;
    surfaces.Resize(inputs.screen_width, inputs.screen_height, inputs.available_width, inputs.available_height);
    QuietPacer pacer;
    TableRenderer renderer(e, surfaces, library, pacer);
    renderer.FullRedraw(false);
    return surfaces.Window().Image().copy();
}

Reply Previews(Driver& d, const Driver::Args& args) {
    if (args.size() != 2) return Reply::Fail("usage: previews <library> <out>");
    if (!d.games_loaded()) return Reply::Fail("cannot read game definitions from " + d.games_file());
    if (!EnsureGuiApplication()) return Reply::Fail("pictures need a GUI application");
    std::vector<uint8_t> bytes;
    std::string error;
    ResourceLibrary library;
    if (!ReadRegularFile(args[0], bytes) || !library.LoadBytes(bytes, &error))
        return Reply::Fail("cannot read " + args[0] + " " + error);
    std::vector<rgf::Entry> entries = *rgf::Parse(bytes);
    // Previews already there (the program's own library) are made again.
    std::erase_if(entries, [](const rgf::Entry& entry) { return IsPreviewName(entry.name); });
    UsePreviewLook(d.engine());
    const std::vector<std::string> catalogue = d.engine().main_game.Catalogue();
    for (const std::string& line : catalogue) {
        int64_t id = 0;
        if (!ParseInt(Columns(line, 5, 3), id)) continue;
        const QImage picture = DrawPreview(d, static_cast<int>(id), library);
        if (picture.isNull()) return Reply::Fail("game " + std::to_string(id) + " could not be dealt");
        char name[16];
        std::snprintf(name, sizeof name, "GAME%04d", static_cast<int>(id));
        entries.push_back({rgf::Kind::Bitmap, name, rgfgen::EncodePng(picture)});
    }
    if (!WriteFile(args[1], rgf::Serialize(entries))) return Reply::Fail("cannot write " + args[1]);
    return {};
}

}  // namespace

void RegisterPreviewCommands(std::map<std::string, Driver::Handler>& table) { table["previews"] = Previews; }

}  // namespace velmora::cli
