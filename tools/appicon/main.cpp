// appicon: draws the program's icon into a folder laid out as the desktop's
// icon theme wants it.
//
//   appicon <folder>   writes <folder>/<n>x<n>/apps/velmora.png for every size

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "app_icon.h"
#include "art/fonts.h"
#include "art_names.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: appicon <folder>\n");
        return 2;
    }
    if (!velmora::rgfgen::LoadFonts()) {
        std::fprintf(stderr, "appicon: the DejaVu fonts are missing (fonts-dejavu-core)\n");
        return 1;
    }
    for (const int size : velmora::appicon::kIconSizes) {
        const QString folder =
            QString("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        const QString file = folder + "/velmora.png";
        if (!QDir().mkpath(folder) || !velmora::appicon::DrawAppIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "appicon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
