#include "files/AtomicWrite.h"

#include <unistd.h>

#include <cstdio>

bool WriteFileAtomically(const std::string& path, const std::string& contents) {
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "w");
    bool ok = file != nullptr;
    if (file) {
        ok = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
        ok = std::fflush(file) == 0 && ok;
        ok = fsync(fileno(file)) == 0 && ok;
        ok = std::fclose(file) == 0 && ok;
    }
    if (ok) ok = std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temporary.c_str());
    return ok;
}
