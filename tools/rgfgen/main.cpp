// rgfgen: writes the resource library and looks inside one.
//
//   rgfgen <out.rgf> | rgfgen build <out.rgf>   draw everything, write the library
//   rgfgen list <file>                          kind, name and size of each entry
//   rgfgen extract <file> <name> <out>          one entry's payload
//   rgfgen sheet <file> <out.png>               every picture on one labelled sheet
//   rgfgen cards <width> <scale> <set> <out.png> the card art at a fitted size

#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <string>
#include <vector>

#include "art/fonts.h"
#include "art_names.h"
#include "card_sheet.h"
#include "library.h"
#include "platform/resource_format.h"
#include "text/whole_file.h"

namespace {

using velmora::rgf::Entry;
using velmora::rgf::Kind;

bool WriteFile(const QString& path, const std::vector<uint8_t>& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    return file.commit();
}

bool LoadLibrary(const QString& path, std::vector<Entry>& entries) {
    std::vector<uint8_t> bytes;
    if (!velmora::ReadRegularFile(path.toLocal8Bit().toStdString(), bytes)) {
        std::fprintf(stderr, "rgfgen: cannot read %s\n", qPrintable(path));
        return false;
    }
    std::string error;
    auto parsed = velmora::rgf::Parse(bytes, &error);
    if (!parsed) {
        std::fprintf(stderr, "rgfgen: %s is not a resource library: %s\n", qPrintable(path),
                     error.c_str());
        return false;
    }
    entries = std::move(*parsed);
    return true;
}

const char* KindName(Kind kind) {
    switch (kind) {
        case Kind::Bitmap:
            return "bitmap";
        case Kind::Cursor:
            return "cursor";
        case Kind::Wave:
            return "wave";
    }
    return "unknown";
}

bool SameName(const std::string& a, const std::string& b) {
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

int Build(const QString& out) {
    if (!velmora::rgfgen::LoadFonts()) {
        std::fprintf(stderr, "rgfgen: the DejaVu fonts are missing (fonts-dejavu-core)\n");
        return 1;
    }
    const std::vector<Entry> entries = velmora::rgfgen::BuildLibrary();
    for (const Entry& entry : entries) {
        if (entry.payload.empty()) {
            std::fprintf(stderr, "rgfgen: could not encode %s\n", entry.name.c_str());
            return 1;
        }
    }
    if (!WriteFile(out, velmora::rgf::Serialize(entries))) {
        std::fprintf(stderr, "rgfgen: cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}

int List(const QString& path) {
    std::vector<Entry> entries;
    if (!LoadLibrary(path, entries)) {
        return 1;
    }
    for (const Entry& entry : entries) {
        std::printf("%s %s %zu\n", KindName(entry.kind), entry.name.c_str(), entry.payload.size());
    }
    return 0;
}

int Extract(const QString& path, const std::string& name, const QString& out) {
    std::vector<Entry> entries;
    if (!LoadLibrary(path, entries)) {
        return 1;
    }
    for (const Entry& entry : entries) {
        if (SameName(entry.name, name)) {
            if (!WriteFile(out, entry.payload)) {
                std::fprintf(stderr, "rgfgen: cannot write %s\n", qPrintable(out));
                return 1;
            }
            return 0;
        }
    }
    std::fprintf(stderr, "rgfgen: no entry named %s\n", name.c_str());
    return 1;
}

int Sheet(const QString& path, const QString& out) {
    std::vector<Entry> entries;
    if (!LoadLibrary(path, entries)) {
        return 1;
    }
    velmora::rgfgen::LoadFonts();
    if (!velmora::rgfgen::ContactSheet(entries).save(out, "PNG")) {
        std::fprintf(stderr, "rgfgen: cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}

int Cards(const std::vector<std::string>& args) {
    velmora::rgfgen::LoadFonts();
    const QImage sheet = velmora::rgfgen::CardSheet(QString::fromStdString(args[1]).toInt(),
                                                    QString::fromStdString(args[2]).toDouble(),
                                                    QString::fromStdString(args[3]).toInt());
    if (sheet.isNull()) {
        std::fprintf(stderr, "rgfgen: no cards of that size, scale or set\n");
        return 1;
    }
    if (!sheet.save(QString::fromStdString(args[4]), "PNG")) {
        std::fprintf(stderr, "rgfgen: cannot write %s\n", args[4].c_str());
        return 1;
    }
    return 0;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: rgfgen <out.rgf>\n"
                 "       rgfgen build <out.rgf>\n"
                 "       rgfgen list <file>\n"
                 "       rgfgen extract <file> <name> <out>\n"
                 "       rgfgen sheet <file> <out.png>\n"
                 "       rgfgen cards <width> <scale> <set> <out.png>\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto arg = [&](size_t i) { return QString::fromStdString(args[i]); };
    if (args.size() == 1 && !args[0].starts_with('-') && args[0] != "list") {
        return Build(arg(0));
    }
    if (args.size() == 2 && args[0] == "build") {
        return Build(arg(1));
    }
    if (args.size() == 2 && args[0] == "list") {
        return List(arg(1));
    }
    if (args.size() == 4 && args[0] == "extract") {
        return Extract(arg(1), args[2], arg(3));
    }
    if (args.size() == 5 && args[0] == "cards") {
        return Cards(args);
    }
    if (args.size() == 3 && args[0] == "sheet") {
        return Sheet(arg(1), arg(2));
    }
    return Usage();
}
