// Card snaps are short band-passed noise bursts, the foundation and the
// winning sounds small bell chimes, the shuffle a train of card flicks.

#include "sounds.h"

#include <cmath>
#include <numbers>

#include "resource_sink.h"

namespace velmora::rgfgen {

namespace {

constexpr double kPeak = 0.7;

// Note frequencies used by the chimes.
constexpr double kC5 = 523.25, kE5 = 659.26, kG5 = 783.99, kB5 = 987.77, kC6 = 1046.50,
                 kE6 = 1318.51, kG6 = 1567.98;

// A card landing: a bright snap with a soft thump under it.
Samples CardSnap(Random& random, double pitch) {
    Samples snap = NoiseBurst(random, 0.06, 2600 * pitch, 1.4, 0.007);
    MixIn(snap, NoiseBurst(random, 0.06, 320 * pitch, 0.9, 0.012), 0, 0.6);
    return snap;
}

// Flicks spread over `slot_count` equal slot_count so the sound can loop: each flick
// lies wholly inside its slot.
Samples FlickTrain(Random& random, double seconds, int slot_count, double low, double high) {
    Samples train(static_cast<size_t>(SamplesFor(seconds)), 0.0);
    const double slot = seconds / slot_count;
    for (int i = 0; i < slot_count; ++i) {
        const double loudness =
            0.6 + 0.4 * std::sin(2 * std::numbers::pi * i / slot_count) * random.Range(0.5, 1.0);
        const Samples flick = NoiseBurst(random, slot * 0.6, random.Range(low, high), 1.6, 0.0045);
        MixIn(train, flick, i * slot + random.Range(0, slot * 0.35), loudness);
    }
    train.resize(static_cast<size_t>(SamplesFor(seconds)));
    return train;
}

Samples Arpeggio(std::initializer_list<double> notes, double step, double ring, double decay) {
    Samples out;
    double at = 0;
    for (double note : notes) {
        MixIn(out, Chime(note, ring, decay), at);
        at += step;
    }
    return out;
}

Samples CardUp(Random& random) {
    return NoiseBurst(random, 0.045, 3800, 2.0, 0.006);
}
Samples CardDown(Random& random) {
    return CardSnap(random, 0.8);
}
Samples Tableau(Random& random) {
    return CardSnap(random, 1.0);
}

Samples FaceUp(Random& random) {
    Samples out = Swish(random, 0.07, 1500, 5000);
    MixIn(out, NoiseBurst(random, 0.04, 3000, 1.6, 0.005), 0.05, 1.4);
    return out;
}

Samples Stock(Random& random) {
    Samples out = Swish(random, 0.09, 4000, 1500);
    MixIn(out, CardSnap(random, 1.1), 0.07);
    return out;
}

Samples Foundation(Random& random) {
    Samples out = CardSnap(random, 1.0);
    MixIn(out, Chime(kC6, 0.45, 0.12), 0.01, 0.8);
    MixIn(out, Chime(kG6, 0.4, 0.09), 0.01, 0.35);
    return out;
}

Samples Autoplay(Random& random) {
    Samples out = NoiseBurst(random, 0.04, 3000, 1.5, 0.005);
    MixIn(out, Chime(kE6, 0.25, 0.06), 0.005, 0.8);
    return out;
}

Samples Eddy(Random& random) {
    Samples out = Swish(random, 0.22, 500, 3200);
    MixIn(out, Swish(random, 0.22, 3200, 700), 0.14);
    MixIn(out, Chime(kB5, 0.25, 0.08), 0.1, 0.25);
    return out;
}

Samples Pairing(Random&) {
    Samples out = Chime(kB5, 0.16, 0.05);
    MixIn(out, Chime(kE6, 0.24, 0.07), 0.09);
    return out;
}

Samples Shuffle(Random& random) {
    // One second of riffle in thirty flicks; loops while the deal is drawn.
    return FlickTrain(random, 1.0, 30, 1800, 4200);
}

Samples Redeal(Random& random) {
    // The waste gathered back: slower flicks, lower; loops while it moves.
    return FlickTrain(random, 0.8, 16, 1200, 2600);
}

Samples RedealQuick(Random& random) {
    Samples out = Swish(random, 0.25, 800, 4000);
    for (int i = 0; i < 6; ++i) {
        MixIn(out, NoiseBurst(random, 0.03, 2400, 1.6, 0.004), 0.03 + i * 0.035, 0.8);
    }
    MixIn(out, CardSnap(random, 0.9), 0.27);
    return out;
}

Samples NewGame(Random&) {
    return Arpeggio({kC5, kE5, kG5}, 0.08, 0.3, 0.1);
}

Samples Won(Random&) {
    Samples out = Arpeggio({kC5, kE5, kG5, kC6}, 0.12, 0.4, 0.12);
    for (double note : {kC5, kE5, kG5, kC6}) {
        MixIn(out, Chime(note, 1.0, 0.32), 0.55, 0.5);
    }
    return out;
}

// A soft chord swelling in and fading out.
Samples Splash(Random&) {
    const double seconds = 1.2;
    Samples out(static_cast<size_t>(SamplesFor(seconds)));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double envelope = std::min(1.0, t / 0.3) * std::exp(-std::max(0.0, t - 0.3) / 0.3);
        double value = 0;
        for (double note : {kC5, kE5, kG5, kC6}) {
            value += std::sin(2 * std::numbers::pi * note * t);
        }
        out[i] = value * envelope;
    }
    return out;
}

struct Recipe {
    const char* name;
    Samples (*make)(Random&);
    bool loops;
};

constexpr Recipe kRecipes[] = {
    {"Splash", Splash, false},      {"New", NewGame, false},           {"Shuffle", Shuffle, true},
    {"Tableau", Tableau, false},    {"Foundation", Foundation, false}, {"Eddy", Eddy, false},
    {"Autoplay", Autoplay, false},  {"Stock", Stock, false},           {"Pairing", Pairing, false},
    {"Redeal", Redeal, true},       {"Red_no_a", RedealQuick, false},  {"card_up", CardUp, false},
    {"card_down", CardDown, false}, {"Face_up", FaceUp, false},        {"Won", Won, false},
};

}  // namespace

std::vector<SoundDesign> DesignSounds() {
    std::vector<SoundDesign> sounds;
    for (const Recipe& recipe : kRecipes) {
        Random random(recipe.name);
        Samples samples = recipe.make(random);
        Normalise(samples, kPeak);
        if (!recipe.loops) {
            FadeEnds(samples, 0.002);
        }
        sounds.push_back({recipe.name, std::move(samples), recipe.loops});
    }
    return sounds;
}

void AddSounds(ResourceSink& sink) {
    for (const SoundDesign& sound : DesignSounds()) {
        sink.AddWave(sound.name, EncodeWave(sound.samples));
    }
}

}  // namespace velmora::rgfgen
