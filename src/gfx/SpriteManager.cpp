#include "gfx/SpriteManager.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "core/StringUtil.h"
#include "files/FileLoader.h"
#include "gfx/AlphaSprite.h"
#include "gfx/AnimatedRLESprite.h"
#include "gfx/AnimatedSprite.h"
#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "gfx/ImageLookup.h"
#include "gfx/QuitRequest.h"
#include "gfx/ShadowSprite.h"
#include "gfx/SurfaceSprite.h"
#include "platform/Messages.h"

namespace {

constexpr const char* kInvalidSpriteText = "invalid sprite";
constexpr const char* kFramesSuffix = "Frames.txt";

// A frames file may only name frames the animation has; other numbers are dropped with a note.
std::vector<int> ReadFrameList(const std::string& name, int frameCount) {
    std::vector<int> list;
    LoadFrameList(name, list);
    const auto bad = std::remove_if(list.begin(), list.end(), [&](int f) { return f < 0 || f >= frameCount; });
    if (bad != list.end()) {
        std::fprintf(stderr, "%s%s%s: %d frame number(s) outside 0 … %d ignored\n", FileLoader::kDataFolder,
                     name.c_str(), kFramesSuffix, static_cast<int>(list.end() - bad), frameCount - 1);
        list.erase(bad, list.end());
    }
    return list;
}

void MirrorIf(bool mirrored, Image* image) {
    if (mirrored && image) image->MirrorHorizontally();
}

}  // namespace

SpriteManager::SpriteManager() = default;

SpriteManager::~SpriteManager() { ReleaseAll(); }

std::string SpriteManager::SpriteKey(const std::string& name, bool mirrored) {
    return mirrored ? name + kMirroredSuffix : name;
}

void SpriteManager::RegisterSpec(const SpriteSpec& spec) { specs_[spec.name] = spec; }

const SpriteSpec* SpriteManager::FindSpec(const std::string& name) const {
    const auto it = specs_.find(name);
    return it == specs_.end() ? nullptr : &it->second;
}

void SpriteManager::ForEachSpec(const std::function<void(const SpriteSpec&)>& visit) const {
    for (const auto& [name, spec] : specs_) visit(spec);
}

Sprite* SpriteManager::FindSprite(const std::string& key) const {
    const auto it = sprites_.find(key);
    return it == sprites_.end() ? nullptr : it->second.get();
}

Sprite* SpriteManager::GetSprite(const std::string& name, bool mirrored) {
    if (Sprite* sprite = FindSprite(SpriteKey(name, mirrored))) return sprite;
    if (failed_.count(name) != 0) return nullptr;  // named once already
    if (const SpriteSpec* spec = FindSpec(name)) return CreateSprite(*spec, mirrored);
    failed_.insert(name);
    RequestQuit(StringFormat("sprite \"%s\" is not registered", name.c_str()));
    return nullptr;
}

Sprite* SpriteManager::CreateSprite(const SpriteSpec& spec, bool mirrored) {
    const std::string key = SpriteKey(spec.name, mirrored);
    if (auto it = sprites_.find(key); it != sprites_.end()) {
        retired_.push_back(std::move(it->second));
        sprites_.erase(it);
    }
    std::unique_ptr<Sprite> sprite = Build(spec, mirrored);
    if (!sprite) {
        // Said once when it failed; neither the next frame nor the mirrored variant tries again.
        failed_.insert(spec.name);
        return nullptr;
    }
    Sprite* raw = sprite.get();
    sprites_[key] = std::move(sprite);
    return raw;
}

Sprite* SpriteManager::AddSprite(const std::string& key, std::unique_ptr<Sprite> sprite) {
    if (auto it = sprites_.find(key); it != sprites_.end()) retired_.push_back(std::move(it->second));
    Sprite* raw = sprite.get();
    sprites_[key] = std::move(sprite);
    return raw;
}

std::unique_ptr<Sprite> SpriteManager::Build(const SpriteSpec& spec, bool mirrored) {
    const std::string& name = spec.name;
    switch (spec.kind) {
    case SpriteKind::Still: {
        std::unique_ptr<Image> colour = LoadImage(name, true);
        if (!colour) return nullptr;  // the look-up has asked to quit
        std::unique_ptr<Image> alpha = LoadAlphaImage(name);
        MirrorIf(mirrored, colour.get());
        MirrorIf(mirrored, alpha.get());
        const int width = colour->GetWidth();
        const int height = colour->GetHeight();
        if (alpha) {
            auto sprite = std::make_unique<AlphaSprite>();
            if (!sprite->Create(std::move(colour), std::move(alpha), width, height, 0, 0, spec.trim)) return nullptr;
            return sprite;
        }
        auto sprite = std::make_unique<SurfaceSprite>();
        if (!sprite->Create(std::move(colour), width, height, 0, 0, spec.trim)) return nullptr;
        return sprite;
    }
    case SpriteKind::Shadow: {
        std::unique_ptr<Image> picture = LoadImage(name, false);
        if (!picture) return nullptr;
        if (picture->GetBitsPerPixel() != 1) {
            std::fprintf(stderr, "%s%s.bmp: a shadow must be a 1-bit picture, not %d-bit\n", FileLoader::kDataFolder,
                         name.c_str(), picture->GetBitsPerPixel());
            return nullptr;
        }
        MirrorIf(mirrored, picture.get());
        auto sprite = std::make_unique<ShadowSprite>();
        if (!sprite->Create(*picture, picture->GetWidth(), picture->GetHeight(), spec.trim)) return nullptr;
        return sprite;
    }
    case SpriteKind::Animated: {
        std::unique_ptr<Image> colour = LoadImage(name, true);
        if (!colour) return nullptr;
        std::unique_ptr<Image> alpha = LoadAlphaImage(name);
        MirrorIf(mirrored, colour.get());
        MirrorIf(mirrored, alpha.get());
        auto sprite = std::make_unique<AnimatedSprite>();
        if (!sprite->Create(*colour, alpha.get(), spec.frameCount, spec.duration, spec.trim, spec.loop)) {
            return nullptr;
        }
        sprite->SetFrameList(ReadFrameList(name, spec.frameCount));
        return sprite;
    }
    case SpriteKind::RunLength: {
        std::unique_ptr<Image> strip = LoadImage(name, true);
        if (!strip) return nullptr;
        MirrorIf(mirrored, strip.get());
        auto sprite = std::make_unique<AnimatedRLESprite>();
        if (!sprite->Create(*strip, spec.frameCount, spec.duration, spec.trim, spec.loop)) return nullptr;
        sprite->SetFrameList(ReadFrameList(name, spec.frameCount));
        return sprite;
    }
    }
    RequestQuit(StringFormat("sprite \"%s\" has the unknown kind %d", name.c_str(), static_cast<int>(spec.kind)));
    return nullptr;
}

void SpriteManager::MarkInvalid(Sprite* sprite) { invalid_.push_back(sprite); }

void SpriteManager::CheckInvalidSprites() {
    std::vector<Sprite*> invalid;
    invalid.swap(invalid_);
    for (Sprite* sprite : invalid) {
        platform::MessageBox(kInvalidSpriteText, kInvalidSpriteText);
        const auto it = std::find_if(sprites_.begin(), sprites_.end(),
                                     [sprite](const auto& entry) { return entry.second.get() == sprite; });
        if (it != sprites_.end()) {
            retired_.push_back(std::move(it->second));
            sprites_.erase(it);
        }
    }
    if (surfacesLost_) {
        // Cleared first: a loss reported while restoring is handled in the next frame.
        surfacesLost_ = false;
        DirectDraw::Instance().RestoreSurfaces();
        for (auto& [key, sprite] : sprites_) sprite->Restore();
        if (restoreHook_) restoreHook_();
    }
}

bool SpriteManager::ReleaseAll() {
    invalid_.clear();
    failed_.clear();
    sprites_.clear();
    retired_.clear();
    return true;
}

void SpriteManager::Clear() {
    ReleaseAll();
    specs_.clear();
    surfacesLost_ = false;
}
