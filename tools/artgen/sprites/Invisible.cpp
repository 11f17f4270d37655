// INVISIBLE_OBJECT: what objects show in states without a picture (under water, truck kills that
// the truck itself draws). A small picture with nothing in it.
#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"

RJ_ART_GENERATOR(DrawInvisibleObject) {
    const FrameStrip strip(4, 4, 1);
    ctx.WriteColorKeyed("INVISIBLE_OBJECT", strip);
}
