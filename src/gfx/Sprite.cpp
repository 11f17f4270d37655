#include "gfx/Sprite.h"

Sprite::~Sprite() = default;

void Sprite::Draw(int x, int y) {
    DrawParams p;
    p.flags = DrawParams::DestinationPosition;
    p.dstX = x;
    p.dstY = y;
    Draw(p);
}

void Sprite::DrawCentered(int x, int y) {
    DrawParams p;
    p.flags = DrawParams::DestinationPosition | DrawParams::Centered;
    p.dstX = x;
    p.dstY = y;
    Draw(p);
}

void Sprite::DrawStretched(int x, int y, int width, int height) {
    DrawParams p;
    p.flags = DrawParams::DestinationPosition | DrawParams::DestinationSize;
    p.dstX = x;
    p.dstY = y;
    p.dstWidth = width;
    p.dstHeight = height;
    Draw(p);
}

void Sprite::DrawRegion(const Rect& source, int x, int y) {
    DrawParams p;
    p.flags = DrawParams::SourcePosition | DrawParams::SourceSize | DrawParams::DestinationPosition;
    p.srcX = source.left;
    p.srcY = source.top;
    p.srcWidth = source.Width();
    p.srcHeight = source.Height();
    p.dstX = x;
    p.dstY = y;
    Draw(p);
}

void Sprite::DrawRegionStretched(const Rect& source, const Rect& destination) {
    DrawParams p;
    p.flags = DrawParams::SourcePosition | DrawParams::SourceSize | DrawParams::DestinationPosition |
              DrawParams::DestinationSize;
    p.srcX = source.left;
    p.srcY = source.top;
    p.srcWidth = source.Width();
    p.srcHeight = source.Height();
    p.dstX = destination.left;
    p.dstY = destination.top;
    p.dstWidth = destination.Width();
    p.dstHeight = destination.Height();
    Draw(p);
}
