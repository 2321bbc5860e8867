// Commands around the game as a whole: restart the deal, save it to a file
// and load it back, pause, and bookmarks in the move log.
#include <optional>
#include <string>

#include "driver.h"
#include "engine/play/bookmark.h"
#include "engine/play/end_game.h"
#include "engine/play/resume_state.h"
#include "storage/kept_game_file.h"
#include "text/fixed_text.h"

namespace velmora::cli {

namespace {

Reply Word(const char* word) {
    Reply reply;
    reply.lines.emplace_back(word);
    return reply;
}

Reply Restart(Driver& d, const Driver::Args& args) {
    if (!args.empty()) return Reply::Fail("restart takes no arguments");
    Engine& e = d.engine();
    if (e.R(307) == 0) return Reply::Fail("no game to restart");
    const std::string deal = TrimRightSpaces(e.params.ParamRead(param::kDealNumber, 15));
    d.GameLeft(GameResult::kAbandoned);
    const bool abandoned_taken = e.play.abandoned_taken;
    EndGame(e);
    Reply reply = DealCurrentGame(d, deal);
    e.play.abandoned_taken = abandoned_taken;
    return reply;
}

Reply Save(Driver& d, const Driver::Args& args) {
    if (args.size() != 1) return Reply::Fail("usage: save <file>");
    const Engine& e = d.engine();
    if (!GameWorthKeeping(e)) return Reply::Fail("no game in progress");
    if (GameKeepsNoLog(e)) return Reply::Fail("this game cannot be saved");
    // The driver keeps no clock: a saved game starts again at 0:00:00.
    if (!WriteKeptGame(args[0], CollectKeptGame(e, 0), GameFileKind::kSaved))
        return Reply::Fail("cannot write " + args[0]);
    return Word("saved");
}

Reply Load(Driver& d, const Driver::Args& args) {
    if (args.size() != 1) return Reply::Fail("usage: load <file>");
    KeptGame kept;
    std::string why;
    const KeptGameRead read = ReadKeptGame(args[0], kept, why, GameFileKind::kSaved);
    if (read == KeptGameRead::kNone) return Reply::Fail(args[0] + " is not a file");
    StartOptions options;
    options.rules = d.deal_rules;
    options.score = d.score_hook;
    Engine& e = d.engine();
    // The game on the table stays unless the file's game can replace it.
    if (read != KeptGameRead::kRead || !KeptGameFits(e, d.games(), options, kept, why))
        return Reply::Fail(args[0] + " cannot be opened: " + why);
    d.GameLeft(GameResult::kAbandoned);
    EndGame(e);
    if (!RestoreKeptGame(e, d.games(), options, kept, why)) return Reply::Fail(args[0] + " cannot be opened: " + why);
    d.paused = false;
    e.play.autoplay_enabled = e.R(18) != 0;
    return d.Call("state", {});
}

Reply Pause(Driver& d, const Driver::Args& args) {
    if (!args.empty()) return Reply::Fail("pause takes no arguments");
    if (!d.paused && !d.engine().flags.Get(flag::kInProgress)) return Reply::Fail("no game in progress");
    d.paused = !d.paused;
    return Word(d.paused ? "paused" : "resumed");
}

Reply SetBookmark(Driver& d, const Driver::Args& args) {
    if (!args.empty()) return Reply::Fail("bookmark takes no arguments");
    const Engine& e = d.engine();
    if (!e.flags.Get(flag::kInProgress)) return Reply::Fail("no game in progress");
    if (!InsertBookmark(d.engine())) return Reply::Fail("this game keeps no bookmarks");
    return Word("set");
}

Reply ReturnToBookmark(Driver& d, const Driver::Args& args) {
    if (!args.empty()) return Reply::Fail("goto-bookmark takes no arguments");
    switch (GoToBookmark(d.engine())) {
        case BookmarkReturn::kReturned: return Word("done");
        case BookmarkReturn::kAlreadyThere: return Word("already there");
        case BookmarkReturn::kNoBookmark: return Reply::Fail("no bookmark");
        case BookmarkReturn::kGone: break;
    }
    return Reply::Fail("the bookmarked position is no longer in the move log");
}

}  // namespace

void RegisterSessionCommands(std::map<std::string, Driver::Handler>& table) {
    table["restart"] = Restart;
    table["save"] = Save;
    table["load"] = Load;
    table["pause"] = Pause;
    table["bookmark"] = SetBookmark;
    table["goto-bookmark"] = ReturnToBookmark;
}

}  // namespace velmora::cli
