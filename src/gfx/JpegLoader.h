#pragma once

#include <memory>
#include <string>

#include "core/Singleton.h"

class Image;

// Reads JPEG files through libjpeg into 24-bit pictures (blue, green, red). A file that cannot be
// opened or decoded gives nothing, with one line on standard error; the caller decides what follows.
class JpegLoader final : public Singleton<JpegLoader> {
public:
    static constexpr int kMaxDimension = 16384;

    std::unique_ptr<Image> Load(const std::string& path);

private:
    friend class Singleton<JpegLoader>;
    JpegLoader() = default;
};
