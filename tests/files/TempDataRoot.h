#pragma once

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "files/FileLoader.h"
#include "files/PackEntry.h"

// A fresh data folder for one test; the FileLoader is pointed at it and detects its pack anew.
class TempDataRoot {
public:
    TempDataRoot() {
        root_ = std::filesystem::temp_directory_path() /
                ("rj-files-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_);
        FileLoader::SetDataRoot(root_.string());
    }
    ~TempDataRoot() {
        std::filesystem::remove_all(root_);
        // Leaves the loader in folder mode, so a pack of this test never leaks into the next.
        FileLoader::Instance().Reinitialize();
    }

    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(root_ / name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(root_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Activates the folder (detects the pack, opens it).
    void Activate() const {
        FileLoader::Instance().Reinitialize();
        FileLoader::Instance().Open();
    }

    const std::filesystem::path& Path() const { return root_; }

private:
    std::filesystem::path root_;
    static inline int counter_ = 0;
};

// Builds pack bytes by hand, so tests can also make malformed directories.
struct PackBuilder {
    struct Item {
        std::string name;
        std::string bytes;
        int64_t offsetOverride = -1;
        int64_t sizeOverride = -1;
    };
    std::vector<Item> items;  // items[0] is the label

    std::string Build() const {
        std::vector<PackEntry> directory(pack::kMaxEntries);
        std::memset(directory.data(), 0, directory.size() * sizeof(PackEntry));
        std::string body;
        uint32_t offset = pack::kDirectoryBytes;
        for (size_t i = 0; i < items.size(); ++i) {
            const Item& item = items[i];
            std::memcpy(directory[i].name, item.name.data(), std::min<size_t>(item.name.size(), 48));
            directory[i].offset = item.offsetOverride >= 0 ? static_cast<uint32_t>(item.offsetOverride) : offset;
            directory[i].size = item.sizeOverride >= 0 ? static_cast<uint32_t>(item.sizeOverride)
                                                       : static_cast<uint32_t>(item.bytes.size());
            body += item.bytes;
            offset += static_cast<uint32_t>(item.bytes.size());
        }
        return std::string(reinterpret_cast<const char*>(directory.data()), pack::kDirectoryBytes) + body;
    }
};
