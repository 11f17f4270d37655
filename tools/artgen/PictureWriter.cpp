#include "PictureWriter.h"

#include <jpeglib.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "Canvas.h"

namespace picture {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// Headers of a bottom-up, uncompressed BMP whose palette is followed directly by the rows (the
// game's reader ignores the pixel-data offset and expects exactly that).
std::vector<uint8_t> Headers(int width, int height, int bits, int paletteEntries, int rowBytes) {
    std::vector<uint8_t> out;
    const uint32_t offset = kFileHeaderSize + kInfoHeaderSize + 4 * paletteEntries;
    const uint32_t imageSize = static_cast<uint32_t>(rowBytes) * height;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageSize);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(bits));
    Put32(out, 0);  // no compression
    Put32(out, imageSize);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, static_cast<uint32_t>(paletteEntries));
    Put32(out, 0);
    return out;
}

int RowBytes(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

bool Save(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::fprintf(stderr, "%s: cannot be written\n", path.c_str());
        return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !ok) {
        std::fprintf(stderr, "%s: write failed\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

bool WriteColorKeyedBmp(const std::string& path, const Canvas& canvas, int minAlpha) {
    canvas.Flush();
    const int w = canvas.Width(), h = canvas.Height(), row = RowBytes(w, 24);
    std::vector<uint8_t> out = Headers(w, h, 24, 0, row);
    for (int y = h - 1; y >= 0; --y) {
        const size_t start = out.size();
        for (int x = 0; x < w; ++x) {
            const Canvas::Pixel p = canvas.At(x, y);
            if (p.a < minAlpha) {
                out.insert(out.end(), {255, 0, 255});
            } else {
                out.insert(out.end(), {p.b, p.g, p.r});
            }
        }
        out.resize(start + row, 0);
    }
    return Save(path, out);
}

bool WriteAlphaBmp(const std::string& path, const Canvas& canvas) {
    canvas.Flush();
    const int w = canvas.Width(), h = canvas.Height(), row = RowBytes(w, 8);
    std::vector<uint8_t> out = Headers(w, h, 8, 256, row);
    for (int i = 0; i < 256; ++i) out.insert(out.end(), {uint8_t(i), uint8_t(i), uint8_t(i), 0});
    for (int y = h - 1; y >= 0; --y) {
        const size_t start = out.size();
        for (int x = 0; x < w; ++x) out.push_back(canvas.At(x, y).a);
        out.resize(start + row, 0);
    }
    return Save(path, out);
}

bool WriteOneBitBmp(const std::string& path, const Canvas& canvas, bool invert) {
    canvas.Flush();
    const int w = canvas.Width(), h = canvas.Height(), row = RowBytes(w, 1);
    std::vector<uint8_t> out = Headers(w, h, 1, 2, row);
    out.insert(out.end(), {0, 0, 0, 0, 255, 255, 255, 0});
    for (int y = h - 1; y >= 0; --y) {
        std::vector<uint8_t> bits(row, 0);
        for (int x = 0; x < w; ++x) {
            const bool solid = canvas.At(x, y).a >= kHardEdgeAlpha;
            if (solid != invert) bits[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        }
        out.insert(out.end(), bits.begin(), bits.end());
    }
    return Save(path, out);
}

bool WriteJpeg(const std::string& path, const Canvas& canvas, int quality, unsigned background) {
    canvas.Flush();
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::fprintf(stderr, "%s: cannot be written\n", path.c_str());
        return false;
    }
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(canvas.Width());
    info.image_height = static_cast<JDIMENSION>(canvas.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);
    const double bg[3] = {double((background >> 16) & 0xFF), double((background >> 8) & 0xFF),
                          double(background & 0xFF)};
    std::vector<JSAMPLE> row(static_cast<size_t>(canvas.Width()) * 3);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Canvas::Pixel p = canvas.At(x, y);
            const double a = p.a / 255.0;
            const uint8_t c[3] = {p.r, p.g, p.b};
            for (int k = 0; k < 3; ++k) {
                row[x * 3 + k] = static_cast<JSAMPLE>(c[k] * a + bg[k] * (1.0 - a) + 0.5);
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    if (std::fclose(file) != 0) {
        std::fprintf(stderr, "%s: write failed\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace picture
