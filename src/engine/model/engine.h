#pragma once
// The engine context: every piece of game state in one object, so that no
// global holds engine state. Created by EngineInit, released by EngineDone.

#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "engine/layout/table_geometry.h"
#include "engine/model/card_table.h"
#include "engine/model/game_flags.h"
#include "engine/model/main_game.h"
#include "engine/model/move_log.h"
#include "engine/model/outward.h"
#include "engine/model/param_record.h"
#include "engine/model/pile_lists.h"
#include "engine/model/rules_params.h"

namespace velmora {

// A position the player marked to come back to: the undo log's length
// then and the table as the log records it; `steps` is -1 when none is set.
struct Bookmark {
    int steps = -1;
    std::vector<std::string> position;
};

// Play state that is not in TMainGame: what the window's commands set and
// the counters of the stock actions.
struct PlayState {
    bool autoplay_checked = true;   // the Autoplay command is ticked
    bool autoplay_enabled = false;  // and enabled (R[18] != 0)
    bool undo_enabled = true;
    bool redeal_armed = false;      // a press on the empty stock waits for its release
    int lowest_painted_y = 0;       // for the scroll range of the table
    bool no_refill = false;         // the per-game no-refill value of the closing-up games
    bool suppress_selection = false;  // no game selection after a win
    // Steps of the undo log that the deal made (with the automatic moves
    // right after it): they are not the player's, so undo stops above them.
    int deal_steps = 0;
    // This deal's result has gone to the player's results (once a deal).
    bool result_taken = false;
    // An abandoned try of this deal went to the results; a restart of the
    // same deal carries it over, so restarting is not counted per restart.
    bool abandoned_taken = false;
    Bookmark bookmark;  // forgotten with every deal
};

// Everything a position and its game hold apart from the move log and the
// outward interfaces: what a copy for trying moves takes over.
struct EngineState {
    TMainGame main_game;
    TableauAnchors tableau_anchors;
    TableGeometry geometry;  // card size, fan rooms and the rest of the layout
    CardTable cards;
    PileLists piles;
    PileLists working_copy;
    ParamRecord params;
    RulesParams rules;
    GameFlags flags;
    PlayState play;
    // The deal counter of the stock actions: 0 when a game starts, raised by
    // counted stock deals; build code 40 reads it.
    int deal_counter = 0;

    // The random source of deal numbers; seeded at start-up.
    std::mt19937_64 random{0};

    // R[n] of the current game.
    int R(int n) const { return rules[n]; }
};

struct Engine : EngineState {
    MoveLogSide undo;
    MoveLogSide redo;

    // Outward interfaces; never null (quiet by default).
    Messages* messages = &quiet_messages;
    SoundEvents* sounds = &quiet_sounds;
    TableView* view = &quiet_view;
    QuietMessages quiet_messages;
    QuietSounds quiet_sounds;
    TableView quiet_view;
};

// Creates the context with an empty card table and empty piles; the
// parameter record is initialised (created) with the program folder, which
// ends with a path separator.
std::unique_ptr<Engine> EngineInit(std::string_view program_folder);
// A copy that draws, sounds and tells nothing, without the move log: for
// trying moves (copying a long log for each try would be slow).
// The outward pointers of `to` are set to its own quiet members, so a copy
// (which would point at the original's) never reaches the window.
void CopyQuietly(const Engine& from, Engine& to);
// Releases the context.
void EngineDone(std::unique_ptr<Engine>& engine);

// The part of the start-up that builds the table: the card table (all face
// up) and empty piles.
void PrepareTable(Engine& engine);

}  // namespace velmora
