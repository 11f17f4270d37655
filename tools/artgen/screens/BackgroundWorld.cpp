// BACKGROUND_WORLD_00 … _04: the world picture every level's background is cut from. The
// background keeps the first world picture it loads for all later levels, so the five files
// hold the same world, each tall enough for the cut of level 4 and for the closing scroll.
#include "ArtContext.h"
#include "ArtRegistry.h"
#include "Canvas.h"
#include "WorldLayout.h"
#include "WorldPainter.h"
#include "core/StringUtil.h"

namespace {
constexpr int kWorldPictureQuality = 88;
}

RJ_ART_GENERATOR(DrawBackgroundWorld) {
    const WorldLayout layout(ctx);
    Canvas canvas(layout.Width(), layout.PictureHeight());
    WorldPainter painter(layout, canvas.Cr());
    painter.PaintWorld();
    for (int level = 0; level < WorldLayout::kLevels; ++level) {
        ctx.WriteJpeg(StringFormat("BACKGROUND_WORLD_%02d", level), canvas, kWorldPictureQuality, 0x6cc247);
    }
}
