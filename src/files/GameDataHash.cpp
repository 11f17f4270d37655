#include "files/GameDataHash.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include "core/StringUtil.h"
#include "files/File.h"

namespace {

constexpr uint64_t kOffsetBasis = 1469598103934665603ull;
constexpr uint64_t kPrime = 1099511628211ull;
// The placed-object files of world 0, levels 0 to 5 (the sixth is the closing scroll).
constexpr int kLevelFiles = 6;

void Mix(uint64_t& hash, const void* data, size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) {
        hash ^= bytes[i];
        hash *= kPrime;
    }
}

// The file's name and contents; a missing file counts by its name alone.
void MixFile(uint64_t& hash, const std::string& path) {
    Mix(hash, path.data(), path.size() + 1);
    File file;
    if (!file.Open(path, "rb")) return;
    const int32_t size = file.GetSize();
    if (size <= 0) return;
    std::vector<char> buffer(static_cast<size_t>(size));
    const size_t read = file.Read(buffer.data(), buffer.size());
    Mix(hash, buffer.data(), read);
}

}  // namespace

std::string HashGameData() {
    uint64_t hash = kOffsetBasis;
    MixFile(hash, "data\\config.txt");
    for (int level = 0; level < kLevelFiles; ++level) {
        MixFile(hash, StringFormat("data\\ArbitraryObjects_00_%02d.txt", level));
    }
    return StringFormat("%016llx", static_cast<unsigned long long>(hash));
}
