// Velmora: the program. It reads no command line; everything it needs lies
// in its own folder.
#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "platform/font_configuration.h"
#include "platform/free_memory.h"
#include "platform/session_bus.h"
#include "render/fitted_pictures.h"
#include "support/program_entry.h"

namespace {

// Time enough for the first table to be painted.
constexpr int kIconAfterMs = 100;

}  // namespace

int main(int argc, char* argv[]) {
    velmora::ShareOneHeap();
    velmora::AvoidHopelessSessionBusLaunch();
    // The font configuration is read while the application connects to the
    // display; the splash and the card fonts need it next.
    velmora::FontConfigurationAhead font_configuration;
    QApplication app(argc, argv);
    font_configuration.Wait();
    // The card fonts load on another core while this one reads the splash.
    velmora::LoadCardFontsAhead();
    // The desktop matches the window with its menu entry and takes the
    // icon from the installed theme. Looking the icon up in the theme takes
    // milliseconds, so it is asked for once the first table is on its way.
    QGuiApplication::setDesktopFileName("velmora");
    velmora::ProgramHooks hooks;
    hooks.running = [](velmora::TfrmMain&, velmora::Engine&) {
        QTimer::singleShot(kIconAfterMs, [] { QApplication::setWindowIcon(QIcon::fromTheme("velmora")); });
    };
    return velmora::RunProgram(hooks);
}
