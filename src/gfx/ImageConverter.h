#pragma once

#include <cstdint>
#include <memory>

#include "core/Singleton.h"

class Image;
struct PixelFormat;

// Converts pictures once, at load time, into the display's pixel format or into 8-bit alpha
// pictures. Each conversion consumes its source and gives the result; a source it cannot convert
// comes back unchanged after the error box.
class ImageConverter final : public Singleton<ImageConverter> {
public:
    // 16-bit display: 16 → as is, 8 → palette lookup, 24 → dithered. 32-bit display: 32 → as is,
    // 8 and 24 → direct. Other display depths: error box "not supported screen depth".
    std::unique_ptr<Image> ConvertTo16Bit(std::unique_ptr<Image> image);
    // The same into an explicit format (tools and tests without a display).
    std::unique_ptr<Image> ConvertTo16Bit(std::unique_ptr<Image> image, const PixelFormat& format);
    // 8-bit picture of the opacity: the average of blue, green and red, rounded down.
    std::unique_ptr<Image> ConvertTo8BitAlpha(std::unique_ptr<Image> image);

    // The dropped low bits each channel has gathered along a row (0 … 7), started from random.
    struct DitherError {
        uint32_t red = 0;
        uint32_t green = 0;
        uint32_t blue = 0;
    };
    // One row of blue-green-red pixels dithered into 16-bit pixels of the format.
    static void DitherRow(const uint8_t* bgr, uint8_t* out, int width, const PixelFormat& format, DitherError& error);
    // The same for RGB565, the game's display, with the format's fields as constants: the same
    // pixels and errors, in fewer steps.
    static void DitherRow565(const uint8_t* bgr, uint8_t* out, int width, DitherError& error);

    // The dithering's own random source: one state for the whole run, starting at 12345.
    static uint32_t DitherRandom();

private:
    friend class Singleton<ImageConverter>;
    ImageConverter() = default;
};
