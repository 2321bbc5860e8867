// Commands that show the table: state (the piles, the deal, the score, and
// whether the position is won and the game over) and moves-left.
#include <string>

#include "card_census.h"
#include "driver.h"
#include "engine/model/pile_names.h"
#include "engine/model/position_snapshot.h"
#include "engine/play/moves_left.h"
#include "engine/play/win_condition.h"

namespace velmora::cli {

namespace {

std::string PileLine(const Engine& e, PileRef ref) {
    std::string line = PileName(ref);
    const std::string units = EncodePile(e.cards, e.piles.Text(ref.list, ref.index));
    for (size_t at = 0; at + 4 <= units.size(); at += 4) line += " " + units.substr(at, 4);
    return line;
}

Reply State(Driver& d, const Driver::Args& args) {
    if (!args.empty()) return Reply::Fail("state takes no arguments");
    const Engine& e = d.engine();
    Reply reply;
    for (const PileRef& pile : ShownPiles(e)) reply.lines.push_back(PileLine(e, pile));
    reply.lines.push_back("deal " + e.params.ParamRead(param::kDealNumber, 15));
    const std::string score = e.params.ParamRead(param::kScore, 6);
    reply.lines.push_back("score " + (score.empty() ? std::string("0") : score));
    // A table with no game loaded holds nothing, which is no win.
    const bool won = e.R(307) != 0 && IsGameWon(e);
    reply.lines.push_back(std::string("won ") + (won ? "1" : "0"));
    reply.lines.push_back(std::string("over ") + (e.flags.Get(flag::kInProgress) ? "0" : "1"));
    return reply;
}

// Whether the player has any move left (the window tells a game without
// one that it is lost).
Reply MovesLeft(Driver& d, const Driver::Args& args) {
    if (!args.empty()) return Reply::Fail("moves-left takes no arguments");
    Reply reply;
    reply.lines.emplace_back(AnyMoveLeft(d.engine()) ? "yes" : "no");
    return reply;
}

}  // namespace

void RegisterTableCommands(std::map<std::string, Driver::Handler>& table) {
    table["state"] = State;
    table["moves-left"] = MovesLeft;
}

}  // namespace velmora::cli
