// The picture of the table: "shot <file.png>" lays the current game out for
// the driver's window, paints the background and every pile as a full
// redraw without animation does, and writes what the window would show
// (the window-sized part of the back buffer from the scroll position).
//
// Pictures need Qt's GUI part; the driver starts it at the first shot, on
// the offscreen platform unless another one is asked for, so the other
// commands keep running without any display.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>

#include <string>

#include "driver.h"
#include "engine/layout/pile_layout.h"
#include "platform/files.h"
#include "platform/resource_library.h"
#include "render/table_renderer.h"
#include "render/table_surfaces.h"

namespace velmora::cli {

namespace {

// The application object pictures and fonts need; it lives as long as the
// program, created at the first shot.
bool EnsureGuiApplication() {
    if (QCoreApplication::instance()) return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "velmora-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    return true;
}

Reply Shot(Driver& d, const Driver::Args& args) {
    if (args.size() != 1) return Reply::Fail("usage: shot <file.png>");
    if (!EnsureGuiApplication()) return Reply::Fail("pictures need a GUI application");
    Engine& e = d.engine();
    const std::string folder = e.params.ParamRead(param::kProgramFolder, 200);
    const std::string library_path = FindPath(folder, "QOR.RGF", EntryKind::File);
    ResourceLibrary library;
    std::string error;
    if (!library.Load(library_path, &error)) return Reply::Fail("cannot read " + library_path + ": " + error);
    if (e.R(307) != 0) LayOutTable(e, e.geometry.inputs);
    const LayoutInputs& inputs = e.geometry.inputs;
    TableSurfaces surfaces;
    surfaces.Resize(inputs.screen_width, inputs.screen_height, inputs.available_width, inputs.available_height);
    QuietPacer pacer;
    TableRenderer renderer(e, surfaces, library, pacer);
    renderer.FullRedraw(false);
    if (!surfaces.window.Image().save(QString::fromStdString(args[0]), "PNG"))
        return Reply::Fail("cannot write " + args[0]);
    return {};
}

}  // namespace

void RegisterShotCommands(std::map<std::string, Driver::Handler>& table) { table["shot"] = Shot; }

}  // namespace velmora::cli
