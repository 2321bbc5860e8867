#include "engine/model/engine.h"

namespace velmora {

std::unique_ptr<Engine> EngineInit(std::string_view program_folder) {
    auto engine = std::make_unique<Engine>();
    engine->params.ParamInit(true, program_folder);
    return engine;
}

void EngineDone(std::unique_ptr<Engine>& engine) { engine.reset(); }

void PrepareTable(Engine& engine) {
    engine.cards.Build();
    engine.piles.Clear();
}

void CopyQuietly(const Engine& from, Engine& to) {
    // The log is left behind rather than copied and then cleared.
    static_cast<EngineState&>(to) = from;
    to.quiet_messages = from.quiet_messages;
    to.quiet_sounds = from.quiet_sounds;
    to.quiet_view = from.quiet_view;
    to.undo.Clear();
    to.redo.Clear();
    to.view = &to.quiet_view;
    to.messages = &to.quiet_messages;
    to.sounds = &to.quiet_sounds;
}

}  // namespace velmora
