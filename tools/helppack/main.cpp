// helppack <help folder> <help file>: packs the help pages of the folder
// (data/help) into the program's help file (tabloria.hlp). Any fault of a
// page is printed and no file is written.

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "help_pack.h"

int main(int argc, char** argv) {
    using namespace velmora;
    if (argc != 3) {
        std::fprintf(stderr, "usage: helppack <help folder> <help file>\n");
        return 2;
    }
    std::vector<helppack::Page> pages;
    std::string error;
    if (!helppack::ReadPages(argv[1], &pages, &error)) {
        std::fprintf(stderr, "helppack: %s\n", error.c_str());
        return 1;
    }
    const helppack::PackResult packed = helppack::PackPages(pages);
    for (const std::string& fault : packed.errors)
        std::fprintf(stderr, "helppack: %s\n", fault.c_str());
    if (!packed.errors.empty()) return 1;

    const std::vector<uint8_t> bytes = hlp::Serialize(packed.book);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "helppack: cannot write %s\n", argv[2]);
        std::remove(argv[2]);
        return 1;
    }
    return 0;
}
