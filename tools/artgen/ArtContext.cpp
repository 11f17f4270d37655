#include "ArtContext.h"

#include <cstdio>
#include <utility>

#include "Canvas.h"
#include "PictureWriter.h"
#include "settings/SettingsManager.h"
#include "core/StringUtil.h"

ArtContext::ArtContext(std::string outDir) : outDir_(std::move(outDir)) {}

int ArtContext::Int(const std::string& key) {
    std::lock_guard<std::mutex> lock(mutex_);
    return SettingsManager::Instance().GetInt(key);
}

float ArtContext::Float(const std::string& key) {
    std::lock_guard<std::mutex> lock(mutex_);
    return SettingsManager::Instance().GetFloat(key);
}

bool ArtContext::Bool(const std::string& key) {
    std::lock_guard<std::mutex> lock(mutex_);
    return SettingsManager::Instance().GetBool(key);
}

std::string ArtContext::Claim(const std::string& fileName) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!written_.insert(fileName).second) {
        std::fprintf(stderr, "rjartgen: %s is drawn twice\n", fileName.c_str());
        failed_ = true;
    }
    return outDir_ + "/" + fileName;
}

void ArtContext::WriteColorKeyed(const std::string& name, const Canvas& canvas) {
    const std::string key = MakeAssetKey(name);
    if (!picture::WriteColorKeyedBmp(Claim(key + ".bmp"), canvas, picture::kHardEdgeAlpha)) {
        Fail(key + ".bmp not written");
    }
}

void ArtContext::WriteWithAlpha(const std::string& name, const Canvas& canvas) {
    const std::string key = MakeAssetKey(name);
    if (!picture::WriteColorKeyedBmp(Claim(key + ".bmp"), canvas, 1) ||
        !picture::WriteAlphaBmp(Claim(key + "Alpha.bmp"), canvas)) {
        Fail(key + " alpha picture not written");
    }
}

void ArtContext::WriteShadow(const std::string& name, const Canvas& canvas) {
    const std::string key = MakeAssetKey(name);
    if (!picture::WriteOneBitBmp(Claim(key + ".bmp"), canvas, false)) Fail(key + ".bmp not written");
}

void ArtContext::WriteJpeg(const std::string& name, const Canvas& canvas, int quality, unsigned background) {
    const std::string key = MakeAssetKey(name);
    if (!picture::WriteJpeg(Claim(key + ".jpg"), canvas, quality, background)) {
        Fail(key + ".jpg not written");
    }
}

void ArtContext::WriteJpegWithMask(const std::string& name, const Canvas& canvas, int quality) {
    const std::string key = MakeAssetKey(name);
    // A mid grey behind the art keeps the colour key far away, so JPEG ringing at the mask's
    // border can never turn into near-magenta.
    if (!picture::WriteJpeg(Claim(key + ".jpg"), canvas, quality, 0x808080) ||
        !picture::WriteOneBitBmp(Claim(key + "_Mask.bmp"), canvas, true)) {
        Fail(key + " JPEG with mask not written");
    }
}

void ArtContext::WriteFrames(const std::string& name, const std::vector<int>& frames) {
    std::string text;
    for (int frame : frames) text += std::to_string(frame) + "\n";
    WriteTextFile(MakeAssetKey(name) + "Frames.txt", text);
}

void ArtContext::WriteTextFile(const std::string& fileName, const std::string& content) {
    const std::string path = Claim(fileName);
    FILE* file = std::fopen(path.c_str(), "wb");
    const bool ok = file && std::fwrite(content.data(), 1, content.size(), file) == content.size();
    if (file && std::fclose(file) != 0) Fail(path + ": write failed");
    if (!ok) Fail(path + ": cannot be written");
}

void ArtContext::Fail(const std::string& message) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::fprintf(stderr, "rjartgen: %s\n", message.c_str());
    failed_ = true;
}

bool ArtContext::Failed() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return failed_;
}

std::vector<std::string> ArtContext::WrittenFiles() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return {written_.begin(), written_.end()};
}
