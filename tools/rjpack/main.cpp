// rjpack: builds, lists and extracts the game's pack file.
#include <cstdio>
#include <string>

#include "PackReader.h"
#include "PackWriter.h"

namespace {
int Usage() {
    std::fprintf(stderr,
                 "usage: rjpack create PACK DIR [LABEL]\n"
                 "       rjpack list PACK\n"
                 "       rjpack extract PACK OUTDIR\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    const std::string command = argv[1];
    if (command == "create" && (argc == 4 || argc == 5)) {
        return CreatePack(argv[2], argv[3], argc == 5 ? argv[4] : "Reedjumper data") ? 0 : 1;
    }
    if (command == "list" && argc == 3) return ListPack(argv[2]) ? 0 : 1;
    if (command == "extract" && argc == 4) return ExtractPack(argv[2], argv[3]) ? 0 : 1;
    return Usage();
}
