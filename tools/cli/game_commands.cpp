// Commands that choose and deal games: games, new, shuffle.
#include <optional>
#include <string>
#include <utility>

#include "arguments.h"
#include "driver.h"
#include "engine/deal/deal_number.h"
#include "engine/deal/shuffle.h"
#include "engine/deal/start_game.h"
#include "engine/model/custom_games.h"
#include "engine/model/games_file.h"
#include "engine/play/after_deal.h"
#include "storage/custom_games_file.h"
#include "text/fixed_text.h"

namespace velmora::cli {

namespace {

Reply NeedGames(const Driver& d) {
    return Reply::Fail("cannot read game definitions from " + d.games_file());
}

Reply Games(Driver& d, const Driver::Args& args) {
    if (!args.empty()) return Reply::Fail("games takes no arguments");
    if (!d.games_loaded()) return NeedGames(d);
    Reply reply;
    for (const std::string& line : d.engine().main_game.Catalogue()) {
        int64_t id = 0;
        if (!ParseInt(Columns(line, 5, 3), id)) continue;
        reply.lines.push_back(std::to_string(id) + " " + TrimRightSpaces(Columns(line, 11, 50)));
    }
    return reply;
}

Reply New(Driver& d, const Driver::Args& args) {
    if (args.empty() || args.size() > 2) return Reply::Fail("usage: new <id> [<deal>]");
    if (!d.games_loaded()) return NeedGames(d);
    int64_t id = 0;
    if (!ReadNumber(args[0], 0, kLastCustomGame, id) ||
        (CatalogueIndex(d.engine().main_game, static_cast<int>(id)) < 0 && !FindCustomGame(d.games(), static_cast<int>(id))))
        return Reply::Fail("unknown game id '" + args[0] + "'");
    std::optional<std::string> deal_number;
    if (args.size() == 2) {
        if (!IsDealNumberText(args[1])) return Reply::Fail("a deal number is 1 to 13 digits");
        deal_number = args[1];
    }
    d.GameLeft(GameResult::kAbandoned);
    ChooseGame(d.engine(), static_cast<int>(id));
    return DealCurrentGame(d, std::move(deal_number));
}

// Reads the player's own variants (the file the window keeps, unless another
// is named), to be dealt by `new` with their numbers. Answers each variant
// loaded as "<id> <name>", then each block refused as "refused: <why>".
Reply Variants(Driver& d, const Driver::Args& args) {
    if (args.size() > 1) return Reply::Fail("usage: variants [<file>]");
    if (!d.games_loaded()) return NeedGames(d);
    const std::string path = args.empty() ? CustomGamesPath(d.engine().params) : args[0];
    CustomGamesFile file = ReadCustomGames(path);
    if (file.unreadable) return Reply::Fail("cannot read variants from " + path);
    Reply reply;
    for (const CustomGame& game : file.games) reply.lines.push_back(std::to_string(game.id) + " " + game.name);
    for (const std::string& problem : file.problems) reply.lines.push_back("refused: " + problem);
    d.SetCustomGames(std::move(file.games));
    return reply;
}

Reply Shuffle(Driver&, const Driver::Args& args) {
    if (args.size() != 3) return Reply::Fail("usage: shuffle <cards> <jokers> <deal>");
    int64_t cards = 0;
    int64_t jokers = 0;
    if (!ReadNumber(args[0], 0, 104, cards)) return Reply::Fail("cards must be 0 to 104");
    if (!ReadNumber(args[1], 0, 4, jokers)) return Reply::Fail("jokers must be 0 to 4");
    if (!IsDealNumberText(args[2])) return Reply::Fail("a deal number is 1 to 13 digits");
    // A scratch engine, so the current game stays as it is.
    auto scratch = EngineInit("/");
    scratch->rules.Set(307, cards);
    scratch->rules.Set(43, jokers > 0 ? 1 : 0);
    scratch->rules.Set(310, jokers);
    scratch->params.ParamWrite(param::kDealNumber, 15, DealDigits(args[2]));
    DealBuffer buffer;
    const bool ok = ShuffleDeck(*scratch, buffer);
    Reply reply;
    std::string line;
    for (const std::string& code : buffer) line += (line.empty() ? "" : " ") + code;
    reply.lines.push_back(line);
    if (!ok) reply.error = scratch->quiet_messages.last;
    return reply;
}

}  // namespace

Reply DealCurrentGame(Driver& d, std::optional<std::string> deal_number) {
    StartOptions options;
    options.deal_number = std::move(deal_number);
    options.rules = d.deal_rules;
    options.score = d.score_hook;
    Engine& e = d.engine();
    d.paused = false;
    if (!StartGame(e, d.games(), options) && e.R(307) == 0) return Reply::Fail("the game could not be loaded");
    // As the window does on game set-up: the Autoplay command is usable
    // only in the games that allow it.
    e.play.autoplay_enabled = e.R(18) != 0;
    // Then what the window does once the deal lies on the table, without
    // its pause.
    d.GameDealt();
    if (!EndDealtGameIfOver(e)) AutoplayFreshDeal(e);
    return d.Call("state", {});
}

void RegisterGameCommands(std::map<std::string, Driver::Handler>& table) {
    table["games"] = Games;
    table["new"] = New;
    table["shuffle"] = Shuffle;
    table["variants"] = Variants;
}

}  // namespace velmora::cli
