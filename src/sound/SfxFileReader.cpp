#include "sound/SfxFileReader.h"

#include <cctype>
#include <cstring>

#include "files/File.h"

bool ReadWholeSfxFile(const std::string& fileName, std::vector<uint8_t>& bytes) {
    bytes.clear();
    File file;
    if (!file.Open(fileName, "rb")) return false;
    const int32_t size = file.GetSize();
    if (size <= 0) return false;
    bytes.resize(static_cast<size_t>(size));
    if (file.Read(bytes.data(), bytes.size()) != bytes.size()) {
        bytes.clear();
        return false;
    }
    return true;
}

bool HasSfxExtension(const std::string& fileName, const char* upper) {
    const size_t length = std::strlen(upper);
    if (fileName.size() < length) return false;
    for (size_t i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(fileName[fileName.size() - length + i]);
        if (std::toupper(c) != upper[i]) return false;
    }
    return true;
}
