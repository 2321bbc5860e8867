#pragma once
// The sounds of the game events, by resource name.

#include <string>
#include <vector>

#include "synth.h"

namespace velmora::rgfgen {

class ResourceSink;

struct SoundDesign {
    std::string name;
    Samples samples;
    bool loops;  // played over and over: no fades, seamless at the joint
};

std::vector<SoundDesign> DesignSounds();
void AddSounds(ResourceSink& sink);

}  // namespace velmora::rgfgen
