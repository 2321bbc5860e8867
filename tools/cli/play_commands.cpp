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
#include "engine/play/pointer.h"

namespace velmora::cli {

namespace {

Reply Answer(bool yes, const char* if_yes, const char* if_not) {
    Reply reply;
    reply.lines.emplace_back(yes ? if_yes : if_not);
    return reply;
}

const std::string& PileText(const Engine& e, PileRef pile) { return e.piles.Text(pile.list, pile.index); }

// The pile the card lies on, in table order; the selection of a selection
// game (foundation 1) is no place a card can be dragged from.
std::string PileOfCard(const Engine& e, int card) {
    for (ListId list : {ListId::Stock, ListId::Foundation, ListId::Tableau, ListId::Reserve}) {
        for (int i = 0; i < ListSize(list); ++i) {
            if (list == ListId::Foundation && i == 0 && KeepsSelection(e)) continue;
            if (PileIndexOf(PileText(e, {list, i}), card) >= 0) return PileName({list, i});
        }
    }
    return {};
}

// The drop candidate a pile is, when a dragged card can land there at all.
std::vector<DropCandidate> CandidateOf(PileRef pile) {
    constexpr int kWholeCard = 1;
    switch (pile.list) {
        case ListId::Stock:
            if (pile.index != kWasteIndex) return {};
            return {{kKindWaste, pile.index, kWholeCard}};
        case ListId::Foundation: return {{kKindFoundation, pile.index, kWholeCard}};
        case ListId::Tableau: return {{kKindTableau, pile.index, kWholeCard}};
        case ListId::Reserve: return {{kKindReserve, pile.index, kWholeCard}};
    }
    return {};
}

// The pile of the first argument and, when a second is given, a card on it.
bool ReadPileAndCard(const Driver::Args& args, const Engine& e, PileRef& pile, int& card, Reply& error) {
    const auto named = ReadPile(args[0]);
    if (!named) {
        error = Reply::Fail("unknown pile '" + args[0] + "'");
        return false;
    }
    pile = *named;
    card = PileTop(PileText(e, pile));
    if (args.size() < 2) return true;
    const auto code = ReadCard(args[1]);
    if (!code) {
        error = Reply::Fail("a card code is 1 to 108");
        return false;
    }
    card = *code;
    if (PileIndexOf(PileText(e, pile), card) >= 0) return true;
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
    return CarryAndRelease(d.engine(), *card, CandidateOf(*to));
}

Reply Press(Driver& d, const Driver::Args& args) {
    if (args.empty() || args.size() > 2) return Reply::Fail("usage: press <pile> [<code>]");
    Engine& e = d.engine();
    PileRef pile;
    int card = 0;
    Reply error;
    if (!ReadPileAndCard(args, e, pile, card, error)) return error;
    const PressResult press = PointerPress(e, args[0], card, Button::Left, false);
    const bool released = PointerRelease(e, press, {}, false);
    return Answer(press.kind == PressResult::Handled || released, "done", "nothing");
}

Reply Click(Driver& d, const Driver::Args& args) {
    if (args.size() != 2) return Reply::Fail("usage: click <pile> <code>");
    Engine& e = d.engine();
    PileRef pile;
    int card = 0;
    Reply error;
    if (!ReadPileAndCard(args, e, pile, card, error)) return error;
    const bool moved = PointerDoubleClick(e, args[0], card);
    // The command stands for the whole double click: its second press is
    // the one the double click asked to ignore, and the release follows.
    e.flags.Set(flag::kIgnoreNextPress, false);
    PointerRelease(e, PressResult{}, {}, false);
    return Answer(moved, "moved", "nothing");
}

}  // namespace

Reply CarryAndRelease(Engine& e, int card, const std::vector<DropCandidate>& candidates) {
    const PressResult picked = PickUpToDrag(e, PileOfCard(e, card), card);
    if (picked.kind != PressResult::PickUp) return Answer(false, "moved", "refused");
    return Answer(PointerRelease(e, picked, candidates, true), "moved", "refused");
}

void RegisterPlayCommands(std::map<std::string, Driver::Handler>& table) {
    table["moves"] = Moves;
    table["drop"] = Drop;
    table["press"] = Press;
    table["click"] = Click;
}

}  // namespace velmora::cli
