#pragma once

#include <cairo.h>

// The frog, seen from above with a slight tilt (the yellow belly shows at its lower edge), in one
// pose. Every frog picture of the game is a sequence of poses.
struct FrogPose {
    enum class Eyes { Open, Closed, Dizzy, Dead, Wide, Happy };

    double x = 0;  // centre in frame pixels
    double y = 0;
    double angle = 0;     // radians, clockwise; 0 faces the top of the screen
    double scale = 1;     // 1: the sitting frog, about 46 pixels across at the base scale
    double stretchX = 1;  // squash and stretch on top of the scale
    double stretchY = 1;
    double legs = 0;   // 0 hind legs tucked in, 1 stretched straight back (jumping)
    double arms = 0;   // 0 resting, 1 thrown up and out
    double splay = 0;  // 0 normal, 1 flattened with all four legs spread (run over)
    Eyes eyes = Eyes::Open;
    double eyeOpen = 1;  // lids: 1 open, 0 shut (for blinking)
    double lookX = 0;    // pupil direction, -1 … 1
    double lookY = 0;
    double mouth = 0;        // 0 closed smile, 1 wide open
    double tongue = 0;       // tongue length in frog units, out of the mouth
    double tongueAngle = 0;  // radians relative to the frog's facing
    double throat = 0;       // 0 … 1 puffed throat sac
    double charred = 0;      // 0 green, 1 sooty grey
    double pale = 0;         // 0 normal, 1 washed out (icons of frogs not yet home)
};

void DrawFrog(cairo_t* cr, const FrogPose& pose);
