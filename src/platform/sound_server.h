#pragma once
// Whether a PulseAudio server (or a server speaking its protocol) may be
// there to play sound, told without loading any sound library: the sound
// module, and the libraries it brings, are loaded only when it may.
// Standard library and POSIX only.

#include <string>

namespace velmora {

// Where a client would look for the server.
struct SoundServerPlaces {
    std::string server_variable;  // PULSE_SERVER
    std::string runtime_folder;   // XDG_RUNTIME_DIR, else /run/user/<uid>
    std::string config_home;      // XDG_CONFIG_HOME, else ~/.config
    std::string client_config;    // PULSE_CLIENTCONFIG
    std::string system_folder = "/";  // where /run and /etc are (tests)
};

// The places of this process's environment.
SoundServerPlaces ThisProcessSoundServerPlaces();

// False only when nothing names a server: no PULSE_SERVER, no server socket
// in the runtime folder or the system-wide one, and no "default-server" in
// a client configuration file. A server named only on the X display's root
// window is not looked for.
bool SoundServerMayAnswer(const SoundServerPlaces& places);

}  // namespace velmora
