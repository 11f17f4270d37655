#include "files/UserFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

std::string& Folder() {
    static std::string folder = ".";
    return folder;
}

bool IsDirectory(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

void UserFolder::Set(const std::string& folder) {
    Folder() = folder.empty() ? "." : folder;
    while (Folder().size() > 1 && Folder().back() == '/') Folder().pop_back();
}

const std::string& UserFolder::Get() { return Folder(); }

std::string UserFolder::PathOf(const std::string& name) { return Folder() + "/" + name; }

bool UserFolder::Create(std::string& error) {
    const std::string& folder = Folder();
    // Every prefix that ends before a slash, then the whole path.
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (!IsDirectory(part) && mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) {
            error = part + ": cannot create the folder (" + std::strerror(errno) + ")";
            return false;
        }
        if (slash == std::string::npos) break;
    }
    if (!IsDirectory(folder)) {
        error = folder + ": not a folder";
        return false;
    }
    return true;
}

bool UserFolder::CarryOver(const std::string& source, const std::string& name) {
    const std::string target = PathOf(name);
    if (access(target.c_str(), F_OK) == 0) return false;
    std::ifstream in(source, std::ios::binary);
    if (!in) return false;
    std::stringstream contents;
    contents << in.rdbuf();
    if (in.bad()) return false;
    const std::string temporary = target + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary);
        out << contents.str();
        if (!out.flush()) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
