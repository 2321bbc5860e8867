// Velmora: the program. It reads no command line; everything it needs lies
// in its own folder.
#include <QApplication>
#include <QIcon>

#include "platform/free_memory.h"
#include "support/program_entry.h"

int main(int argc, char* argv[]) {
    velmora::ShareOneHeap();
    QApplication app(argc, argv);
    // The desktop matches the window with its menu entry and takes the
    // icon from the installed theme.
    QGuiApplication::setDesktopFileName("velmora");
    QApplication::setWindowIcon(QIcon::fromTheme("velmora"));
    return velmora::RunProgram();
}
