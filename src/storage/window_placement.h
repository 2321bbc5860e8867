#pragma once
// The main window's placement in the settings file: read when the window is
// created, written when it closes.

#include "storage/settings_file.h"

namespace velmora {

struct WindowPlacement {
    int left = 50;
    int top = 50;
    int width = 0;
    int height = 0;
    bool maximized = true;
};

// Width and height default to the screen size less 150; a stored size below
// one pixel is taken as missing, so a damaged file cannot make the window
// vanish.
WindowPlacement ReadWindowPlacement(const SettingsFile& file, int screen_width, int screen_height);
// A maximised window writes only MainWindowState_Maximized = "Y"; otherwise
// "N" and the four numbers of its bounds.
bool WriteWindowPlacement(SettingsFile& file, const WindowPlacement& placement);

}  // namespace velmora
