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
class FrameStrip;

// How far a strip's art must move so that the art of one frame is centred on the frame's object
// centre (coverage of at least half counts as art).
struct ArtShift {
    int dx = 0;
    int dy = 0;
};
ArtShift CentringShift(const FrameStrip& strip, int frame, const ObjectFrame& objectFrame);
// Moves the art of every frame; related strips (a vehicle's kill animation) take the shift of
// their main strip so that they stay in register with it.
void ApplyShift(FrameStrip& strip, ArtShift shift);
// Both: centres the strip on frame 0 and returns the shift it took.
ArtShift CentreStrip(FrameStrip& strip, const ObjectFrame& objectFrame);

// Frame from explicit keys (the frog's per-state offsets add to its default).
ObjectFrame FrameFromOffsetValues(int offsetX, int offsetY);
