#pragma once

// Ogg pages carry a checksum over their bytes; a mutated page fails it and the decoder never sees
// the mutation. Recomputing every page's checksum lets the mutations reach the Vorbis decoder.

#include <array>
#include <cstdint>
#include <cstring>
#include <string>

namespace fuzz {

inline uint32_t OggCrc(const uint8_t* bytes, size_t size) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t r = i << 24;
            for (int bit = 0; bit < 8; ++bit) r = (r & 0x80000000u) ? (r << 1) ^ 0x04C11DB7u : r << 1;
            t[i] = r;
        }
        return t;
    }();
    uint32_t crc = 0;
    for (size_t i = 0; i < size; ++i) crc = (crc << 8) ^ table[((crc >> 24) ^ bytes[i]) & 0xFF];
    return crc;
}

// Every whole page of `file` gets the checksum its bytes need; bytes between pages stay.
inline void RepairOggChecksums(std::string& file) {
    constexpr size_t kHeaderBytes = 27;
    constexpr size_t kCrcAt = 22;
    constexpr size_t kSegmentsAt = 26;
    auto* bytes = reinterpret_cast<uint8_t*>(file.data());
    size_t at = file.find("OggS");
    while (at != std::string::npos && at + kHeaderBytes <= file.size()) {
        const size_t segments = bytes[at + kSegmentsAt];
        const size_t header = kHeaderBytes + segments;
        if (at + header > file.size()) break;
        size_t body = 0;
        for (size_t i = 0; i < segments; ++i) body += bytes[at + kHeaderBytes + i];
        if (at + header + body > file.size()) break;
        std::memset(bytes + at + kCrcAt, 0, 4);
        const uint32_t crc = OggCrc(bytes + at, header + body);
        for (int i = 0; i < 4; ++i) bytes[at + kCrcAt + i] = static_cast<uint8_t>(crc >> (8 * i));
        at = file.find("OggS", at + header + body);
    }
}

}  // namespace fuzz
