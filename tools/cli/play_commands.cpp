// Commands that play: moves, drop, press, click. Each acts as the pointer
// would on the window, through the engine's pointer decisions.
#include <string>
#include <vector>

#include "arguments.h"
#include "driver.h"
#include "play_commands.h"
#include "engine/model/pile_string.h"
#include "engine/model/piles.h"
#include "engine/play/drag_moves.h"
#include "engine/play/move_log.h"
#include "engine/play/player_input.h"

namespace velmora::cli {

namespace {

Reply Answer(bool yes, const char* if_yes, const char* if_not) {
    Reply reply;
    reply.lines.emplace_back(yes ? if_yes : if_not);
    return reply;
}

// The pile of the first argument and, when a second is given, a card on it.
bool ReadPileAndCard(const Driver::Args& args, const Engine& e, PileRef& pile, int& card, Reply& error) {
    const auto named = ReadPile(args[0]);
    if (!named) {
        error = Reply::Fail("unknown pile '" + args[0] + "'");
        return false;
    }
    pile = *named;
    card = PileTop(e.piles.Text(pile.list, pile.index));
    if (args.size() < 2) return true;
    const auto code = ReadCard(args[1]);
    if (!code) {
        error = Reply::Fail("a card code is 1 to 108");
        return false;
    }
    card = *code;
    if (PileIndexOf(e.piles.Text(pile.list, pile.index), card) >= 0) return true;
    error = Reply::Fail("card " + args[1] + " is not on " + args[0]);
    return false;
}

Reply Moves(Driver& d, const Driver::Args& args) {
    if (!args.empty()) return Reply::Fail("moves takes no arguments");
    Engine& e = d.engine();
    Reply reply;
    if (!e.flags.Get(flag::kInProgress)) return reply;
    for (const DragMove& m : ListDragMoves(e)) reply.lines.push_back(std::to_string(m.code) + " " + m.from + " " + m.to);
    return reply;
}

Reply Drop(Driver& d, const Driver::Args& args) {
    if (args.size() != 2) return Reply::Fail("usage: drop <code> <to>");
    const auto card = ReadCard(args[0]);
    if (!card) return Reply::Fail("a card code is 1 to 108");
    const auto to = ReadPile(args[1]);
    if (!to) return Reply::Fail("unknown pile '" + args[1] + "'");
    return CarryAndRelease(d.engine(), *card, DropCandidateOf(*to));
}

Reply Press(Driver& d, const Driver::Args& args) {
    if (args.empty() || args.size() > 2) return Reply::Fail("usage: press <pile> [<code>]");
    Engine& e = d.engine();
    PileRef pile;
    int card = 0;
    Reply error;
    if (!ReadPileAndCard(args, e, pile, card, error)) return error;
    return Answer(PressAndRelease(e, args[0], card), "done", "nothing");
}

Reply Click(Driver& d, const Driver::Args& args) {
    if (args.size() != 2) return Reply::Fail("usage: click <pile> <code>");
    Engine& e = d.engine();
    PileRef pile;
    int card = 0;
    Reply error;
    if (!ReadPileAndCard(args, e, pile, card, error)) return error;
    return Answer(DoubleClickCard(e, args[0], card), "moved", "nothing");
}

}  // namespace

Reply CarryAndRelease(Engine& e, int card, const std::vector<DropCandidate>& candidates) {
    return Answer(CarryAndDrop(e, card, candidates), "moved", "refused");
}

void RegisterPlayCommands(std::map<std::string, Driver::Handler>& table) {
    table["moves"] = Moves;
    table["drop"] = Drop;
    table["press"] = Press;
    table["click"] = Click;
}

}  // namespace velmora::cli
