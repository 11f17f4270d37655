#include "gfx/AnimatedRLESprite.h"

#include "gfx/Image.h"
#include "gfx/ImageUtil.h"
#include "gfx/SpriteImages.h"
#include "gfx/Surface.h"
#include "gfx/SurfaceSprite.h"

AnimatedRLESprite::AnimatedRLESprite() = default;
AnimatedRLESprite::~AnimatedRLESprite() = default;

bool AnimatedRLESprite::Create(const Image& strip, int frameCount, float duration, bool trim, bool loop) {
    frames_.clear();
    trimRects_.clear();
    keyed_.clear();
    surface_.reset();
    currentFrame_ = -1;
    duration_ = duration;
    loop_ = loop;
    if (frameCount <= 0 || strip.GetHeight() / frameCount <= 0) return false;
    ImageUtil& util = ImageUtil::Instance();
    for (int i = 0; i < frameCount; ++i) {
        std::unique_ptr<Image> frame = spriteimages::SliceFrame(strip, frameCount, i);
        if (!frame) return false;
        Rect trimRect{0, 0, frame->GetWidth() - 1, frame->GetHeight() - 1};
        if (trim) {
            trimRect = util.GetBoundingBox(*frame);
            frame = spriteimages::Crop(*frame, trimRect);
            if (!frame) return false;
        }
        // The surface shows the whole frame as decoded from its own stream.
        keyed_.push_back(util.HasKeyBlack(*frame));
        util.EncodeRunLength(*frame);
        frames_.push_back(std::move(frame));
        trimRects_.push_back(trimRect);
    }
    return true;
}

const Image* AnimatedRLESprite::GetFrameImage(int index) const {
    if (index < 0 || index >= static_cast<int>(frames_.size())) return nullptr;
    return frames_[index].get();
}

Rect AnimatedRLESprite::GetTrimRect(int index) const {
    if (index < 0 || index >= static_cast<int>(trimRects_.size())) return Rect{};
    return trimRects_[index];
}

void AnimatedRLESprite::Draw(const DrawParams& params) {
    const int frame = CurrentFrame();
    const Image* image = GetFrameImage(frame);
    if (!image) return;  // a frame list naming a frame that does not exist
    if (!surface_ || frame != currentFrame_) {
        if (!surface_) surface_ = std::make_unique<Surface>();
        if (surface_->Create(image->GetWidth(), image->GetHeight())) surface_->UploadRunLengthFrame(*image);
        currentFrame_ = frame;
    }
    const Rect& trim = trimRects_[frame];
    SurfaceSprite::DrawSurface(*surface_, params, trim.left, trim.top, surface_->GetWidth(), surface_->GetHeight(),
                               keyed_[frame]);
}

const Image* AnimatedRLESprite::SizeFrame() const {
    static const std::vector<int> kNoFrameList;
    return GetFrameImage(SelectFrame(GetFrameCount(), kNoFrameList, time_ / duration_, true));
}

int AnimatedRLESprite::GetWidth() const {
    const Image* image = SizeFrame();
    return image ? image->GetWidth() : 0;
}

int AnimatedRLESprite::GetHeight() const {
    const Image* image = SizeFrame();
    return image ? image->GetHeight() : 0;
}

void AnimatedRLESprite::Restore() {
    if (!surface_) return;
    surface_->Restore();
    currentFrame_ = -1;
}
