#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// A picture in memory. Rows run top to bottom, each `width` pixels long with no padding:
//   1 bit  — bits packed most significant first; pixel (x, y) is bit y × width + x of the buffer
//   8 bits — a palette index (or an alpha value)
//   16 bits — a display pixel; 24 bits — blue, green, red bytes; 32 bits — a display pixel
// 16- and 32-bit pixels are read and written through the display's pixel format (DirectDraw).
// When run-length encoded, the buffer holds the packet stream of one frame instead of rows.
class Image {
public:
    static constexpr int kPaletteEntries = 256;
    static constexpr int kPaletteBytes = kPaletteEntries * 4;  // blue, green, red, 0
    // No picture of the game comes near this; larger sizes are refused before any allocation.
    static constexpr int kMaxDimension = 16384;

    Image() = default;
    virtual ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    // Frees old buffers and allocates width × height pixels of the given depth (cleared to 0);
    // 8-bit pictures get the grey ramp as palette. False for a depth other than 1, 8, 16, 24, 32,
    // a size that is not positive, or a buffer that cannot be had.
    bool Create(int width, int height, int bitsPerPixel);

    // Colour 0x00RRGGBB of a pixel (1 bit: set is white); 0 outside the picture or for
    // run-length data.
    uint32_t GetPixel(int x, int y) const;
    // Writes colour 0x00RRGGBB (8 bits: its palette index; 16/32 bits: in display format).
    // Does nothing outside the picture, for 1-bit pictures or run-length data.
    void SetPixel(int x, int y, uint32_t colour);
    // First palette entry with the colour's blue, green and red (0x00RRGGBB); 0 if none.
    int FindPaletteIndex(uint32_t colour) const;
    // Pixel (x, y) and (width − 1 − x, y) change places in every row.
    void MirrorHorizontally();

    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    int GetBitsPerPixel() const { return bitsPerPixel_; }
    // Bytes of one row of plain pixels (0 for 1-bit pictures, whose rows are not byte aligned).
    int GetRowBytes() const;

    uint8_t* GetPixels() { return pixels_.data(); }
    const uint8_t* GetPixels() const { return pixels_.data(); }
    size_t GetPixelBytes() const { return pixels_.size(); }
    uint8_t* PixelAddress(int x, int y);
    const uint8_t* PixelAddress(int x, int y) const;

    bool HasPalette() const { return palette_ != nullptr; }
    uint8_t* GetPalette() { return palette_.get(); }
    const uint8_t* GetPalette() const { return palette_.get(); }
    // Gives the picture a palette of 256 entries, all magenta (filled by the BMP reader).
    uint8_t* CreatePalette();
    void DropPalette() { palette_.reset(); }

    bool IsRunLengthEncoded() const { return runLengthEncoded_; }
    // Replaces the pixel buffer by a run-length stream of this picture's size.
    void SetRunLengthData(std::vector<uint8_t> stream);

    // 1-bit pictures: the bit of pixel (x, y).
    bool GetBit(int x, int y) const;
    void SetBit(int x, int y, bool set);

private:
    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 0;
    std::vector<uint8_t> pixels_;
    std::unique_ptr<uint8_t[]> palette_;
    bool runLengthEncoded_ = false;
};
