// A pack archive: its directory read and every file it names read through it, whole and by lines,
// as the loaders read theirs; the settings text read through it as well.

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "files/File.h"
#include "files/PackEntry.h"
#include "settings/SettingsFile.h"

namespace {

void ReadThrough(const std::string& path) {
    File file;
    if (!file.Open(path, "r")) return;
    const int32_t size = file.GetSize();
    std::vector<char> buffer(4096);
    size_t total = 0;
    while (!file.IsEndOfFile()) {
        const size_t got = file.Read(buffer.data(), buffer.size());
        total += got;
        if (got == 0) break;
    }
    if (total > static_cast<size_t>(size > 0 ? size : 0)) {
        std::fprintf(stderr, "%s: read %zu bytes of a file of %d\n", path.c_str(), total, size);
        std::abort();
    }
    file.Tell();
    file.Close();
    // Once more by lines, as the text readers read.
    if (!file.Open(path, "r")) return;
    for (int i = 0; i < 64 && file.ReadLine(buffer.data(), static_cast<int>(buffer.size())); ++i) {}
    file.Close();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::DataFolder::Path();
    FileLoader& files = FileLoader::Instance();
    files.Close();
    fuzz::DataFolder::Write(FileLoader::kPackName, fuzz::AsText(data, size));
    files.Reinitialize();
    if (!files.Open()) return 0;
    std::vector<std::string> names;
    for (size_t at = 0; at + sizeof(PackEntry) <= size && names.size() < pack::kMaxEntries; at += sizeof(PackEntry)) {
        PackEntry entry;
        std::memcpy(&entry, data + at, sizeof entry);
        if (entry.size == 0) break;
        names.emplace_back(entry.name, strnlen(entry.name, PackEntry::kNameSize));
    }
    for (const std::string& name : names) {
        files.FileExists(name);
        ReadThrough(name);
    }
    ReadThrough("data\\config.txt");
    SettingsFile settings;
    settings.Load("data\\config.txt");
    files.Close();
    return 0;
}
