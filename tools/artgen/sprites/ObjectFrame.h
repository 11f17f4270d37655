#pragma once

#include <string>

class ArtContext;

// Where an object's centre falls in its sprite frames. The game draws a frame with its top-left
// corner at the object's centre plus (offsetX, -offsetY), so the centre is at (-offsetX, offsetY)
// of the frame; frames are twice that size so that the centre is also the frame's middle, which
// keeps mirrored variants centred too.
struct ObjectFrame {
    int width;
    int height;
    double cx;
    double cy;
};

// Frame from a pair of offset keys: prefix + "OffsetX" / "OffsetY".
ObjectFrame FrameFromOffsets(ArtContext& ctx, const std::string& prefix);
// Frame from explicit keys (the frog's per-state offsets add to its default).
ObjectFrame FrameFromOffsetValues(int offsetX, int offsetY);
