// Velmora: the program. It reads no command line; everything it needs lies
// in its own folder.
#include <QApplication>

#include "support/program_entry.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return velmora::RunProgram();
}
