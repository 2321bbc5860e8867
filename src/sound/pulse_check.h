#pragma once
// Whether a PulseAudio server answers within the deadline. Qt's audio on
// this platform talks to PulseAudio only, and a server that accepts the
// connection but never answers would block Qt's first device query for
// half a minute; asking first keeps the program responsive.

namespace velmora {

// Never starts a server; returns within about `deadline_ms`.
bool SoundServerAnswers(int deadline_ms = 500);

}  // namespace velmora
