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

}  // namespace velmora
