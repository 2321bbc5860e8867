#pragma once
// The table as the window would show it, drawn offscreen for the picture
// commands: the current game laid out for the driver's window and painted
// as a full redraw without animation does.
//
// Pictures need Qt's GUI part; it is started at the first picture, on the
// offscreen platform unless another one is asked for, so the other commands
// keep running without any display.

#include <memory>
#include <string>

#include "driver.h"
#include "platform/resource_library.h"
#include "render/table_renderer.h"
#include "render/table_surfaces.h"

namespace velmora::cli {

// Starts Qt's GUI part once (offscreen unless another platform is asked
// for); false when another kind of application object already runs.
bool EnsureGuiApplication();

class TablePicture {
public:
    // Draws the table; empty on success, else the reason.
    std::string Draw(Driver& d);
    // The window-sized part of `surface` from the scroll position (the back
    // buffer) or from the top (the window), written as PNG; false when the
    // file cannot be written.
    bool Save(const Surface& surface, int scroll, const std::string& path) const;

    TableSurfaces surfaces;
    ResourceLibrary library;
    QuietPacer pacer;
    std::unique_ptr<TableRenderer> renderer;  // set once drawn
};

}  // namespace velmora::cli
