#include "files/DataFolderSearch.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>

namespace {

constexpr const char* kMarkers[] = {"config.txt", "ReedJumper.dat"};

bool HasEntry(const std::string& folder, const char* name) {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return false;
    bool found = false;
    while (const dirent* e = readdir(dir)) {
        if (strcasecmp(e->d_name, name) == 0) {
            found = true;
            break;
        }
    }
    closedir(dir);
    return found;
}

}  // namespace

std::vector<DataFolderSearch::Place> DataFolderSearch::Places(const std::string& given,
                                                              const std::string& executableFolder,
                                                              const std::string& installFolder) {
    if (!given.empty()) return {{given, "given with --data"}};
    // <executable>/../share/reedjumper, written without the "..": a relocated install's folder.
    const size_t slash = executableFolder.rfind('/');
    const std::string prefix =
        slash == std::string::npos ? executableFolder + "/.." : executableFolder.substr(0, slash);
    std::vector<Place> places = {
        {executableFolder + "/data", "beside the executable"},
        {prefix + "/share/reedjumper", "installed with the executable"},
    };
    if (!installFolder.empty()) places.push_back({installFolder, "the install folder"});
    return places;
}

const DataFolderSearch::Place* DataFolderSearch::Find(const std::vector<Place>& places) {
    for (const Place& place : places) {
        if (HoldsData(place.folder)) return &place;
    }
    return nullptr;
}

bool DataFolderSearch::HoldsData(const std::string& folder) {
    struct stat info;
    if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
    for (const char* marker : kMarkers) {
        if (HasEntry(folder, marker)) return true;
    }
    return false;
}

std::string DataFolderSearch::Describe(const std::vector<Place>& places) {
    std::string text;
    for (const Place& place : places) {
        if (!text.empty()) text += ", ";
        text += place.folder + " (" + place.why + ")";
    }
    return text;
}

std::string DataFolderSearch::ExecutableFolder() {
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return ".";
    buffer[length] = '\0';
    const std::string path(buffer);
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}
