#include "table_picture.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>

#include "engine/layout/pile_layout.h"
#include "platform/files.h"

// The application above outlives everything, so what fontconfig holds for
// the fonts it registered is never freed. A sanitizer build reads this list
// of leaks to ignore; any other build ignores the function.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace velmora::cli {

// The application object pictures and fonts need; it lives as long as the
// program, created at the first picture. It is never destroyed: destroyed
// among the exit handlers, it would unload the card fonts after Qt's
// thread storage has gone, and crash.
bool EnsureGuiApplication() {
    if (QCoreApplication::instance()) return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "velmora-cli";
    static char* argv[] = {name, nullptr};
    static const QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
    return true;
}

std::string TablePicture::Draw(Driver& d) {
    if (!EnsureGuiApplication()) return "pictures need a GUI application";
    Engine& e = d.engine();
    const std::string folder = e.params.ParamRead(param::kProgramFolder, 200);
    const std::string library_path = FindPath(folder, "QOR.RGF", EntryKind::File);
    std::string error;
    if (!library.Load(library_path, &error)) return "cannot read " + library_path + ": " + error;
    if (e.R(307) != 0) LayOutTableForWindow(e, e.geometry.inputs);
    const LayoutInputs& inputs = e.geometry.inputs;
    surfaces.Resize(inputs.screen_width, inputs.screen_height, inputs.available_width, inputs.available_height);
    renderer = std::make_unique<TableRenderer>(e, surfaces, library, pacer);
    renderer->FullRedraw(false);
    return {};
}

bool TablePicture::Save(const Surface& surface, int scroll, const std::string& path) const {
    const QImage shown =
        surface.Image().copy(surface.DeviceRect(QRect(0, scroll, surfaces.WindowBounds().width(), surfaces.WindowBounds().height())));
    return shown.save(QString::fromStdString(path), "PNG");
}

}  // namespace velmora::cli
