#include "engine/model/games_file.h"

#include "engine/model/engine.h"
#include "engine/model/games_file_check.h"
#include "engine/model/games_file_format.h"
#include "text/fixed_text.h"
#include "text/sections.h"

namespace velmora {

namespace gf = games_format;

namespace {

// Ids are three digits in the catalogue, so anything wider (the ids from
// 8000 on included) is never listed.
constexpr int kLargestListedId = 999;
static_assert(kLargestListedId < games_format::kFirstNonCatalogueId);

bool CarriesId(const std::string& line, int id) {
    return Columns(line, gf::kIdColumn, gf::kIdWidth) == ZeroPad(id, gf::kIdWidth);
}

}  // namespace

GamesData ParseGamesData(const std::vector<std::string>& lines) {
    GamesData data;
    data.catalogue = ExtractSection(lines, gf::kCatalogueHeader);
    data.rules = ExtractSection(lines, gf::kRulesHeader);
    return data;
}

GamesData ParseGamesData(std::string_view contents) { return ParseGamesData(SplitLines(contents)); }

std::string GamesFilePath(const ParamRecord& params) {
    return params.ParamRead(param::kProgramFolder, 200) + std::string(gf::kFileName);
}

bool ReadGamesFile(const std::string& path, GamesData& out) {
    return LoadGamesFile(path, out).status == GamesFileStatus::kRead;
}

std::vector<std::string> DecodeCatalogue(const GamesData& data) {
    std::vector<std::string> catalogue;
    for (const std::string& stored : data.catalogue) {
        std::string line = ShiftText(stored);
        const std::string availability = Columns(line, gf::kAvailabilityColumn, 1);
        if (availability.size() == 1 && gf::IsAvailability(availability[0]))
            catalogue.push_back(std::move(line));
    }
    return catalogue;
}

void LoadCatalogue(Engine& engine, const GamesData& data) {
    engine.main_game.Catalogue() = DecodeCatalogue(data);
}

bool LoadCatalogue(Engine& engine) {
    GamesData data;
    const bool read = ReadGamesFile(GamesFilePath(engine.params), data);
    LoadCatalogue(engine, data);
    return read;
}

int CatalogueIndex(const TMainGame& game, int id) {
    if (id < 0 || id > kLargestListedId) return -1;
    const std::vector<std::string>& catalogue = game.Catalogue();
    // Games are usually listed in id order, so the line at position id is
    // tried first.
    const auto position = static_cast<size_t>(id);
    if (position < catalogue.size() && CarriesId(catalogue[position], id)) return id;
    for (size_t k = 0; k < catalogue.size(); ++k)
        if (CarriesId(catalogue[k], id)) return static_cast<int>(k);
    return -1;
}

std::string CatalogueName(const TMainGame& game, int id) {
    const int k = CatalogueIndex(game, id);
    if (k < 0) return {};
    return TrimRightSpaces(Columns(game.Catalogue()[static_cast<size_t>(k)], gf::kNameColumn, gf::kNameWidth));
}

}  // namespace velmora
