#include "gfx/BmpLoader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/StringUtil.h"
#include "files/File.h"
#include "gfx/Image.h"

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;
// Later header versions (V4, V5) only add fields after the first 40 bytes.
constexpr int kMaxInfoHeaderBytes = 1024;
constexpr uint32_t kUncompressed = 0;
constexpr int kUnreadableExitCode = 1;
constexpr uint32_t kSkipChunk = 4096;
constexpr size_t kReadBlock = 256 * 1024;
// The largest picture read: five times the tallest animation strip of the game's data, while a
// few bytes declaring 16384 x 16384 would otherwise take more than a gigabyte.
constexpr int kMaxPixels = 4096 * 4096;

uint32_t U32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
int32_t S32(const uint8_t* p) { return static_cast<int32_t>(U32(p)); }
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

struct BmpHeader {
    uint32_t pixelOffset;
    uint32_t infoSize;
    int32_t width;
    int32_t height;
    uint16_t bitCount;
    uint32_t compression;
    uint32_t coloursUsed;
};

bool ReadExactly(File& file, void* buffer, size_t count) { return file.Read(buffer, count) == count; }

// The reason a header is refused, or an empty string when it is fine.
std::string CheckHeader(const BmpHeader& h) {
    if (h.infoSize < kInfoHeaderBytes || h.infoSize > kMaxInfoHeaderBytes) {
        return StringFormat("unsupported information header size %u", h.infoSize);
    }
    if (h.compression != kUncompressed) return StringFormat("compression %u is not supported", h.compression);
    if (h.bitCount != 1 && h.bitCount != 8 && h.bitCount != 24) {
        return StringFormat("%u bits per pixel are not supported", h.bitCount);
    }
    if (h.width <= 0 || h.height <= 0) {
        return StringFormat("size %d x %d is not supported (only bottom-up pictures)", h.width, h.height);
    }
    if (h.width > Image::kMaxDimension || h.height > Image::kMaxDimension) {
        return StringFormat("size %d x %d is larger than %d", h.width, h.height, Image::kMaxDimension);
    }
    if (static_cast<int64_t>(h.width) * h.height > kMaxPixels) {
        return StringFormat("size %d x %d has more than %d pixels", h.width, h.height, kMaxPixels);
    }
    if (h.coloursUsed > static_cast<uint32_t>(Image::kPaletteEntries)) {
        return StringFormat("palette of %u colours is larger than 256", h.coloursUsed);
    }
    return {};
}

// The palette index that shows black, for the rows a truncated file does not deliver: an entry
// that is black, else the first entry the file left undefined, made black, else (a full palette
// without black) the darkest entry.
uint8_t BlackIndex(Image& image, int colours) {
    uint8_t* palette = image.GetPalette();
    for (int i = 0; i < colours; ++i) {
        if (palette[i * 4] == 0 && palette[i * 4 + 1] == 0 && palette[i * 4 + 2] == 0) return static_cast<uint8_t>(i);
    }
    if (colours < Image::kPaletteEntries) {
        palette[colours * 4] = palette[colours * 4 + 1] = palette[colours * 4 + 2] = 0;
        return static_cast<uint8_t>(colours);
    }
    int darkest = 0;
    int darkestSum = 3 * 255 + 1;
    for (int i = 0; i < colours; ++i) {
        const int sum = palette[i * 4] + palette[i * 4 + 1] + palette[i * 4 + 2];
        if (sum < darkestSum) {
            darkestSum = sum;
            darkest = i;
        }
    }
    return static_cast<uint8_t>(darkest);
}

void StoreRow(Image& image, int y, const uint8_t* row) {
    const int width = image.GetWidth();
    if (image.GetBitsPerPixel() == 1) {
        for (int x = 0; x < width; ++x) image.SetBit(x, y, (row[x / 8] >> (7 - x % 8)) & 1);
        return;
    }
    std::copy(row, row + image.GetRowBytes(), image.PixelAddress(0, y));
}

}  // namespace

std::unique_ptr<Image> BmpLoader::TryLoad(const std::string& path, std::string& error) {
    File file;
    if (!file.Open(path, "rb")) {
        error = "cannot open the file";
        return nullptr;
    }
    uint8_t headers[kFileHeaderBytes + kInfoHeaderBytes];
    if (!ReadExactly(file, headers, sizeof headers)) {
        error = "file too short for the BMP headers";
        return nullptr;
    }
    const uint8_t* info = headers + kFileHeaderBytes;
    const BmpHeader header{U32(headers + 10), U32(info),      S32(info + 4), S32(info + 8),
                           U16(info + 14),    U32(info + 16), U32(info + 32)};
    error = CheckHeader(header);
    if (!error.empty()) return nullptr;

    // Fields of later header versions are skipped; the palette follows the header.
    std::vector<uint8_t> skip(header.infoSize - kInfoHeaderBytes);
    if (!skip.empty() && !ReadExactly(file, skip.data(), skip.size())) {
        error = "file too short for its information header";
        return nullptr;
    }
    auto image = std::make_unique<Image>();
    if (!image->Create(header.width, header.height, header.bitCount)) {
        error = "not enough memory for the picture";
        return nullptr;
    }
    int colours = header.bitCount == 24 ? 0 : (header.bitCount == 8 ? Image::kPaletteEntries : 2);
    if (header.coloursUsed != 0) colours = static_cast<int>(header.coloursUsed);
    image->DropPalette();
    uint32_t position = kFileHeaderBytes + header.infoSize;
    bool truncated = false;
    if (colours > 0) {
        // Entries the file does not define stay magenta, so stray indices read the transparent colour.
        uint8_t* palette = image->CreatePalette();
        const size_t bytes = static_cast<size_t>(colours) * 4;
        truncated = !ReadExactly(file, palette, bytes);
        position += static_cast<uint32_t>(bytes);
    }
    // A writer that leaves a gap before the pixels says so in the pixel offset; honour it.
    uint8_t gap[kSkipChunk];
    while (!truncated && header.pixelOffset > position) {
        const uint32_t n = std::min<uint32_t>(header.pixelOffset - position, kSkipChunk);
        truncated = !ReadExactly(file, gap, n);
        position += n;
    }

    // Rows in blocks of about kReadBlock bytes: few large reads, and memory follows the picture
    // and not twice the picture.
    const size_t fileRowBytes = (static_cast<size_t>(header.width) * header.bitCount + 31) / 32 * 4;
    const int blockRows = static_cast<int>(std::clamp<size_t>(kReadBlock / fileRowBytes, 1, header.height));
    std::vector<uint8_t> block(static_cast<size_t>(blockRows) * fileRowBytes);
    bool reported = false;
    for (int i = 0; i < header.height; i += blockRows) {
        const int rows = std::min(blockRows, header.height - i);
        const size_t want = static_cast<size_t>(rows) * fileRowBytes;
        const size_t got = truncated ? 0 : file.Read(block.data(), want);
        if (got < want) {
            if (!reported) {
                std::fprintf(stderr, "%s: truncated BMP, the missing part of the picture is black\n", path.c_str());
            }
            reported = truncated = true;
            const uint8_t fill = header.bitCount == 8 ? BlackIndex(*image, colours) : 0;
            std::fill(block.begin() + static_cast<ptrdiff_t>(got), block.begin() + static_cast<ptrdiff_t>(want), fill);
        }
        for (int r = 0; r < rows; ++r) {
            StoreRow(*image, header.height - 1 - (i + r), block.data() + static_cast<size_t>(r) * fileRowBytes);
        }
    }
    return image;
}

std::unique_ptr<Image> BmpLoader::Load(const std::string& path) {
    std::string error;
    std::unique_ptr<Image> image = TryLoad(path, error);
    if (!image) {
        std::fprintf(stderr, "%s: unreadable BMP: %s\n", path.c_str(), error.c_str());
        std::exit(kUnreadableExitCode);
    }
    return image;
}
