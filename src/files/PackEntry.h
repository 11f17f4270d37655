#pragma once

#include <cstdint>

// One record of the pack's directory, exactly as stored on disk (64 bytes, little-endian).
struct PackEntry {
    static constexpr int kNameSize = 48;
    char name[kNameSize];  // lower-case data path ("data\\config.txt"), NUL-terminated
    uint32_t offset;       // absolute position of the file's first byte in the pack
    uint32_t size;         // 0 ends the directory
    uint8_t reserved[8];
};
static_assert(sizeof(PackEntry) == 64, "pack entries are 64 bytes on disk");

namespace pack {
constexpr int kMaxEntries = 500;
constexpr int kDirectoryBytes = kMaxEntries * static_cast<int>(sizeof(PackEntry));  // 32000
}  // namespace pack
