#pragma once

#include <functional>
#include <string>

#include "sprites/FrogPainter.h"
#include "sprites/ObjectFrame.h"

class ArtContext;
class FrameStrip;

// The frame of a frog state: the default offset plus the state's own pair
// ("frogmoveup" reads frogmoveupOffsetX / frogmoveupOffsetY). A jump's frame also holds the
// landing spot, `travelX` units right (negative: left) and `travelY` up (negative: down).
ObjectFrame FrogStateFrame(ArtContext& ctx, const std::string& statePrefix, double travelX = 0, double travelY = 0);
// The frame of a sprite drawn with the frog's default offset alone.
ObjectFrame FrogDefaultFrame(ArtContext& ctx);

// Draws `count` frames; `pose` gets the frame index and t = index / (count − 1) (0 for one frame),
// and may draw extra things behind (`under`) and over (`over`) the frog in frame coordinates.
struct FrogFrameArt {
    std::function<FrogPose(int index, double t)> pose;
    std::function<void(cairo_t*, int index, double t)> under;
    std::function<void(cairo_t*, int index, double t)> over;
    bool drawFrog = true;
};
void DrawFrogStrip(const FrameStrip& strip, const FrogFrameArt& art);

// The sitting frog at the centre of a frame.
FrogPose SittingFrog(const ObjectFrame& frame);
