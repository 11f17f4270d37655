#include "gfx/ImageLookup.h"

#include <cstdio>
#include <cstdlib>

#include "files/File.h"
#include "files/FileLoader.h"
#include "gfx/BmpLoader.h"
#include "gfx/Image.h"
#include "gfx/ImageConverter.h"
#include "gfx/ImageUtil.h"
#include "gfx/JpegLoader.h"
#include "gfx/QuitRequest.h"

namespace {

constexpr const char* kBmp = ".bmp";
constexpr const char* kJpg = ".jpg";
constexpr const char* kMask = "_Mask.bmp";
constexpr const char* kAlphaSuffix = "Alpha";
constexpr const char* kFramesSuffix = "Frames.txt";
constexpr int kFrameLineCapacity = 1024;

struct PictureAndMask {
    std::unique_ptr<Image> picture;
    std::unique_ptr<Image> mask;
};

// "<file>.bmp" without a mask, else "<file>.jpg" with the mask of `maskName`, if there is one.
PictureAndMask ReadPicture(const std::string& file, const std::string& maskName) {
    FileLoader& files = FileLoader::Instance();
    const std::string folder = files.GetDataFolder();
    PictureAndMask result;
    if (files.FileExistsWithExtension(file, kBmp)) {
        result.picture = BmpLoader::Instance().Load(folder + file + kBmp);
    } else if (files.FileExistsWithExtension(file, kJpg)) {
        result.picture = JpegLoader::Instance().Load(folder + file + kJpg);
        if (result.picture && files.FileExistsWithExtension(maskName, kMask)) {
            result.mask = BmpLoader::Instance().Load(folder + maskName + kMask);
        }
    }
    return result;
}

// A mask of the wrong size or depth would be ignored silently; say so once.
void Mask(Image& picture, const Image& mask, const std::string& name) {
    if (!ImageUtil::Instance().ApplyMask(picture, mask)) {
        std::fprintf(stderr, "%s%s: mask is not a 1-bit picture of the picture's size, not applied\n", name.c_str(),
                     kMask);
    }
}

}  // namespace

std::unique_ptr<Image> LoadImage(const std::string& name, bool convert) {
    PictureAndMask read = ReadPicture(name, name);
    if (!read.picture) {
        RequestQuit("missing or unreadable picture \"" + name + "\" (" + name + kBmp + " or " + name + kJpg + ")");
        return nullptr;
    }
    if (!convert) return std::move(read.picture);
    ImageUtil::Instance().RemapTransparentColor(*read.picture);
    std::unique_ptr<Image> converted = ImageConverter::Instance().ConvertTo16Bit(std::move(read.picture));
    if (read.mask) Mask(*converted, *read.mask, name);
    return converted;
}

std::unique_ptr<Image> LoadAlphaImage(const std::string& name) {
    PictureAndMask read = ReadPicture(name + kAlphaSuffix, name);
    if (!read.picture) return nullptr;
    std::unique_ptr<Image> alpha = ImageConverter::Instance().ConvertTo8BitAlpha(std::move(read.picture));
    if (read.mask) Mask(*alpha, *read.mask, name);
    return alpha;
}

bool LoadFrameList(const std::string& name, std::vector<int>& list) {
    list.clear();
    list.shrink_to_fit();
    FileLoader& files = FileLoader::Instance();
    if (!files.FileExistsWithExtension(name, kFramesSuffix)) return false;
    File file;
    if (!file.Open(files.GetDataFolder() + name + kFramesSuffix, "r")) return true;
    char line[kFrameLineCapacity];
    while (!file.IsEndOfFile()) {
        if (file.ReadLine(line, kFrameLineCapacity) == nullptr) break;
        char* end = nullptr;
        const long value = std::strtol(line, &end, 10);
        // A line without a number (blank, a comment) is skipped.
        if (end != line) list.push_back(static_cast<int>(value));
    }
    file.Close();
    return true;
}
