#include "gfx/AnimatedSprite.h"

#include "gfx/AlphaSprite.h"
#include "gfx/Image.h"
#include "gfx/SpriteImages.h"
#include "gfx/SurfaceSprite.h"

AnimatedSprite::AnimatedSprite() = default;
AnimatedSprite::~AnimatedSprite() = default;

bool AnimatedSprite::Create(const Image& colourStrip, const Image* alphaStrip, int frameCount, float duration,
                            bool trim, bool loop) {
    frames_.clear();
    duration_ = duration;
    loop_ = loop;
    if (frameCount <= 0 || colourStrip.GetHeight() / frameCount <= 0) return false;
    for (int i = 0; i < frameCount; ++i) {
        std::unique_ptr<Image> colour = spriteimages::SliceFrame(colourStrip, frameCount, i);
        if (!colour) return false;
        const int width = colour->GetWidth();
        const int height = colour->GetHeight();
        if (alphaStrip) {
            std::unique_ptr<Image> alpha = spriteimages::SliceFrame(*alphaStrip, frameCount, i);
            if (!alpha) return false;
            auto sprite = std::make_unique<AlphaSprite>();
            if (!sprite->Create(std::move(colour), std::move(alpha), width, height, 0, 0, trim)) return false;
            frames_.push_back(std::move(sprite));
        } else {
            auto sprite = std::make_unique<SurfaceSprite>();
            if (!sprite->Create(std::move(colour), width, height, 0, 0, trim)) return false;
            frames_.push_back(std::move(sprite));
        }
    }
    return true;
}

Sprite* AnimatedSprite::GetFrame(int index) const {
    if (index < 0 || index >= static_cast<int>(frames_.size())) return nullptr;
    return frames_[index].get();
}

void AnimatedSprite::Draw(const DrawParams& params) {
    if (Sprite* frame = Current()) frame->Draw(params);
}

int AnimatedSprite::GetWidth() const {
    const Sprite* frame = Current();
    return frame ? frame->GetWidth() : 0;
}

int AnimatedSprite::GetHeight() const {
    const Sprite* frame = Current();
    return frame ? frame->GetHeight() : 0;
}

void AnimatedSprite::Restore() {
    for (auto& frame : frames_) frame->Restore();
}
