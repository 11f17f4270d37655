// A JPEG picture through the loader, converted as the catalogue converts pictures and alpha.

#include <memory>

#include "FuzzSupport.h"
#include "gfx/Image.h"
#include "gfx/ImageConverter.h"
#include "gfx/ImageUtil.h"
#include "gfx/JpegLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::OpenHeadlessDisplay();
    fuzz::DataFolder::Write("fz.jpg", fuzz::AsText(data, size));
    std::unique_ptr<Image> picture = JpegLoader::Instance().Load("data\\fz.jpg");
    if (!picture) return 0;
    std::unique_ptr<Image> alpha = JpegLoader::Instance().Load("data\\fz.jpg");
    ImageUtil::Instance().RemapTransparentColor(*picture);
    picture = ImageConverter::Instance().ConvertTo16Bit(std::move(picture));
    alpha = ImageConverter::Instance().ConvertTo8BitAlpha(std::move(alpha));
    return 0;
}
