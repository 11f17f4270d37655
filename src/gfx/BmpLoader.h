#pragma once

#include <memory>
#include <string>

#include "core/Singleton.h"

class Image;

// Reads uncompressed BMP files of 1, 8 or 24 bits per pixel (bottom-up) into an Image.
class BmpLoader final : public Singleton<BmpLoader> {
public:
    // A file that cannot be read or is not a supported BMP ends the process with exit status 1,
    // after one line on standard error naming the file and the reason. A truncated file gives a
    // picture whose missing part is black.
    std::unique_ptr<Image> Load(const std::string& path);
    // The same without ending the process: null, and the reason in `error`.
    std::unique_ptr<Image> TryLoad(const std::string& path, std::string& error);

private:
    friend class Singleton<BmpLoader>;
    BmpLoader() = default;
};
