#include "PackWriter.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include "core/StringUtil.h"
#include "files/PackEntry.h"

namespace fs = std::filesystem;

namespace {
// The label entry comes first and the zero-size terminator last.
constexpr int kMaxFiles = pack::kMaxEntries - 2;

// Files the game itself writes into its data folder (the high-score table and the temporary
// file it is saved through), lower-cased. They belong to the player, never to a pack: a data
// folder that was played from would otherwise ship that player's table.
constexpr const char* kWrittenByTheGame[] = {"highscore.txt", "highscore.txt.tmp"};

bool WrittenByTheGame(const std::string& lowerName) {
    for (const char* name : kWrittenByTheGame) {
        if (lowerName == name) return true;
    }
    return false;
}

bool ReadWhole(const fs::path& path, std::vector<char>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return in.good() || in.eof();
}

void PutName(PackEntry& entry, const std::string& name) {
    std::memset(entry.name, 0, sizeof entry.name);
    std::memcpy(entry.name, name.data(), std::min(name.size(), sizeof entry.name - 1));
}
}  // namespace

bool CreatePack(const std::string& packPath, const std::string& folder, const std::string& label) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        std::fprintf(stderr, "rjpack: %s: not a folder\n", folder.c_str());
        return false;
    }
    std::map<std::string, fs::path> files;  // lowered pack name → file; sorted, so packs are reproducible
    for (const auto& item : fs::directory_iterator(folder, error)) {
        const std::string fileName = item.path().filename().string();
        if (!item.is_regular_file() || fileName.empty() || fileName[0] == '.') continue;
        if (fs::absolute(item.path()) == fs::absolute(packPath)) continue;
        if (WrittenByTheGame(ToLower(fileName))) continue;
        const std::string name = "data\\" + ToLower(fileName);
        if (name.size() >= static_cast<size_t>(PackEntry::kNameSize)) {
            std::fprintf(stderr, "rjpack: %s: name longer than %d bytes in the pack\n", item.path().c_str(),
                         PackEntry::kNameSize - 1);
            return false;
        }
        if (item.file_size(error) == 0) {
            std::fprintf(stderr, "rjpack: %s: empty file (a zero size would end the directory)\n", item.path().c_str());
            return false;
        }
        if (auto [it, inserted] = files.emplace(name, item.path()); !inserted) {
            std::fprintf(stderr, "rjpack: %s: same lower-case name as %s\n", item.path().c_str(), it->second.c_str());
            return false;
        }
    }
    if (static_cast<int>(files.size()) > kMaxFiles) {
        std::fprintf(stderr, "rjpack: %s: %zu files, a pack holds at most %d\n", folder.c_str(), files.size(),
                     kMaxFiles);
        return false;
    }

    std::vector<PackEntry> directory(pack::kMaxEntries);
    std::memset(directory.data(), 0, directory.size() * sizeof(PackEntry));
    PutName(directory[0], label);
    // The label names no game file; its non-zero size keeps the scan going past it.
    directory[0].offset = 0;
    directory[0].size = pack::kDirectoryBytes;

    std::vector<std::vector<char>> contents;
    uint64_t offset = pack::kDirectoryBytes;
    int index = 1;
    for (const auto& [name, path] : files) {
        std::vector<char> bytes;
        if (!ReadWhole(path, bytes)) {
            std::fprintf(stderr, "rjpack: %s: cannot read\n", path.c_str());
            return false;
        }
        if (offset + bytes.size() > UINT32_MAX) {
            std::fprintf(stderr, "rjpack: %s: the pack would pass 4 GiB\n", path.c_str());
            return false;
        }
        PutName(directory[index], name);
        directory[index].offset = static_cast<uint32_t>(offset);
        directory[index].size = static_cast<uint32_t>(bytes.size());
        offset += bytes.size();
        contents.push_back(std::move(bytes));
        ++index;
    }

    // Written beside the target and renamed, so a failed write never leaves half a pack.
    const std::string temporary = packPath + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(directory.data()), pack::kDirectoryBytes);
        for (const auto& bytes : contents) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "rjpack: %s: cannot write\n", packPath.c_str());
            fs::remove(temporary, error);
            return false;
        }
    }
    fs::rename(temporary, packPath, error);
    if (error) {
        std::fprintf(stderr, "rjpack: %s: cannot write: %s\n", packPath.c_str(), error.message().c_str());
        return false;
    }
    return true;
}
