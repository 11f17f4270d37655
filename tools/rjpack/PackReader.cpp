#include "PackReader.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "files/PackEntry.h"

namespace fs = std::filesystem;

namespace {
bool ReadDirectory(const std::string& packPath, std::vector<PackEntry>& directory, uint64_t& packSize) {
    std::ifstream in(packPath, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "rjpack: %s: cannot open\n", packPath.c_str());
        return false;
    }
    in.seekg(0, std::ios::end);
    packSize = static_cast<uint64_t>(in.tellg());
    in.seekg(0);
    directory.assign(pack::kMaxEntries, PackEntry{});
    in.read(reinterpret_cast<char*>(directory.data()), pack::kDirectoryBytes);
    if (in.gcount() != pack::kDirectoryBytes) {
        std::fprintf(stderr, "rjpack: %s: shorter than its directory\n", packPath.c_str());
        return false;
    }
    return true;
}

std::string NameOf(const PackEntry& entry) { return std::string(entry.name, strnlen(entry.name, sizeof entry.name)); }
}  // namespace

bool ListPack(const std::string& packPath) {
    std::vector<PackEntry> directory;
    uint64_t packSize = 0;
    if (!ReadDirectory(packPath, directory, packSize)) return false;
    for (const PackEntry& entry : directory) {
        std::printf("%s %u %u\n", NameOf(entry).c_str(), entry.offset, entry.size);
        if (entry.size == 0) break;
    }
    return true;
}

bool ExtractPack(const std::string& packPath, const std::string& outFolder) {
    std::vector<PackEntry> directory;
    uint64_t packSize = 0;
    if (!ReadDirectory(packPath, directory, packSize)) return false;
    std::error_code error;
    fs::create_directories(outFolder, error);
    std::ifstream in(packPath, std::ios::binary);
    for (size_t i = 1; i < directory.size() && directory[i].size != 0; ++i) {
        const PackEntry& entry = directory[i];
        std::string name = NameOf(entry);
        if (name.rfind("data\\", 0) == 0) name = name.substr(5);
        // Entry names come from the file: never let one climb out of the target folder.
        if (name.empty() || name.find('/') != std::string::npos || name.find('\\') != std::string::npos ||
            name == "." || name == "..") {
            std::fprintf(stderr, "rjpack: %s: entry %zu has an unsafe name '%s'\n", packPath.c_str(), i,
                         NameOf(entry).c_str());
            return false;
        }
        if (static_cast<uint64_t>(entry.offset) + entry.size > packSize) {
            std::fprintf(stderr, "rjpack: %s: entry '%s' points past the end of the pack\n", packPath.c_str(),
                         NameOf(entry).c_str());
            return false;
        }
        std::vector<char> bytes(entry.size);
        in.seekg(entry.offset);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        std::ofstream out(fs::path(outFolder) / name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "rjpack: %s: cannot write\n", (fs::path(outFolder) / name).c_str());
            return false;
        }
    }
    return true;
}
