#include "games_dat_writer.h"

#include "text/fixed_text.h"
#include "text/sections.h"

namespace velmora::gamesdat {

namespace gf = games_format;

namespace {

// One-digit catalogue fields; the source only lets 0 .. 2 through.
char Digit(int value) { return value >= 0 && value <= 9 ? static_cast<char>('0' + value) : '?'; }

// Columns 5 .. 16 of a rules line are not read for any catalogue game.
constexpr int kUnreadColumns = gf::kFirstValueColumn - gf::kEntryColumn - gf::kEntryWidth;

bool Offered(const GameDefinition& game) {
    return gf::IsAvailability(Digit(game.availability));
}

std::string RulesLine(int entry, const std::vector<const GameDefinition*>& offered) {
    std::string line = ZeroPad(entry, gf::kEntryWidth) + Spaces(kUnreadColumns);
    for (size_t k = 0; k < offered.size(); ++k) {
        if (k > 0) line += ' ';
        const int value = offered[k]->entries[static_cast<size_t>(entry)];
        line += ShiftText(PadRight(std::to_string(value), gf::kValueWidth));
    }
    return line;
}

}  // namespace

std::string CatalogueLine(const GameDefinition& game) {
    std::string line = ZeroPad(game.type, gf::kTypeWidth) + ' ' + ZeroPad(game.id, gf::kIdWidth);
    line += Digit(game.availability);
    line += ' ';
    line += Digit(game.new_flag);
    return line + PadRight(game.name, gf::kNameWidth);
}

std::string EncodeGamesDat(const std::vector<GameDefinition>& games) {
    std::string out = "; Velmora game definitions, generated from data/games.txt by gamesdat.\n";
    out += std::string(gf::kCatalogueHeader) + "\n";
    std::vector<const GameDefinition*> offered;
    for (const GameDefinition& game : games) {
        out += ShiftText(CatalogueLine(game)) + "\n";
        if (Offered(game)) offered.push_back(&game);
    }
    out += std::string(gf::kRulesHeader) + "\n";
    for (int entry = 0; entry < gf::kGameEntries; ++entry) out += RulesLine(entry, offered) + "\n";
    return out;
}

}  // namespace velmora::gamesdat
