#include "engine/deal/start_game.h"

#include <algorithm>

#include "engine/deal/deal_game.h"
#include "engine/deal/deal_number.h"
#include "engine/layout/card_positions.h"
#include "engine/layout/prepare_table.h"
#include "engine/model/games_file_rules.h"
#include "engine/model/piles.h"
#include "text/fixed_text.h"

namespace velmora {

namespace {

void ClearPerGameState(Engine& e) {
    for (int f : {field::kDealCounterA, field::kDealCounterB, field::kScoreCounter, field::kMoveCounter,
                  field::kDraggedCard, field::kRunTopCard})
        e.main_game.SetField(f, 0);
    e.flags.Set(flag::kFinished, false);
    e.flags.Set(flag::kStopAutoplay, false);
    e.flags.Set(flag::kIgnoreNextPress, false);
    e.flags.Set(flag::kStockDealDone, true);
    e.deal_counter = 0;
    e.main_game.SetField(field::kJokerIndicator, -1);
    e.play.redeal_armed = false;
    e.play.result_taken = false;
    e.play.abandoned_taken = false;
    e.play.bookmark = {};
    ClearPiles(e, true);
    // Every deal gets its own hand-laid look.
    FillDisplacementTable(e.geometry.displacement, e.random);
}

bool LoadOrRestoreRules(Engine& e, const GamesData& games, const LayoutInputs& layout) {
    if (e.R(307) != 0) {
        e.rules.RestoreDealEntries();
        return true;
    }
    int64_t id = -1;
    ParseInt(e.params.ParamRead(param::kGameId, 4), id);
    return LoadGameAndPrepareTable(e, games, static_cast<int>(id), layout);
}

}  // namespace

bool IsDealNumberText(const std::string& text) {
    return !text.empty() && text.size() <= 13 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void ChooseGame(Engine& e, int id) {
    e.rules.Set(307, 0);
    e.params.ParamWrite(param::kGameId, 4, ZeroPad(id, 4));
}

bool StartGame(Engine& e, const GamesData& games, const StartOptions& options) {
    ClearPerGameState(e);
    // Copied: a layout stores its inputs in the engine.
    const LayoutInputs layout = options.layout ? *options.layout : e.geometry.inputs;
    if (!LoadOrRestoreRules(e, games, layout)) return false;
    e.main_game.SetField(field::kPassCounter, 1);
    e.params.ParamWrite(param::kScore, 6, "0");
    if (options.deal_number)
        e.params.ParamWrite(param::kDealNumber, 15, DealDigits(*options.deal_number));
    else
        NewDealNumber(e);
    const bool dealt = DealGame(e, options.rules ? *options.rules : RefusingRules(), options.score);
    e.flags.Set(flag::kInProgress, true);
    e.flags.Set(flag::kFinished, false);
    e.play.deal_steps = e.undo.Steps();
    return dealt;
}

}  // namespace velmora
