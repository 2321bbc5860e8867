#pragma once
// The program from start to end: the engine's objects, the splash window and
// its sound, the main window and its start-up, the message loop, and the
// release of everything once the window has closed. The caller owns the
// QApplication.

#include <functional>
#include <string>

namespace velmora {

class MessageBoxes;
class SoundOutput;
class TfrmMain;
struct Engine;

// What a test puts in place of the real thing; everything may stay empty.
struct ProgramHooks {
    std::string program_folder;          // the executable's folder when empty
    MessageBoxes* boxes = nullptr;       // Qt's message boxes when null
    SoundOutput* sound_output = nullptr; // the platform's sound player when null
    // Runs once the message loop has started and the stored game is dealt.
    std::function<void(TfrmMain&, Engine&)> running;
};

// Runs the program; the exit code (0 also after a fatal start-up box).
int RunProgram(const ProgramHooks& hooks = {});

}  // namespace velmora
