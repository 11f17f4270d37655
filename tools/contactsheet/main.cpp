// rjcontactsheet --data <data folder> --out <sheet.png> [--only <name part>]
// Draws every registered sprite through the game's catalogue: each frame (and each mirrored
// frame) is drawn into the back buffer over a neutral ground, read back and laid out with its
// name, so a reviewer sees exactly what the game will show.
#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "settings/SettingsManager.h"
#include "files/FileLoader.h"
#include "gfx/DirectDraw.h"
#include "gfx/Image.h"
#include "gfx/ImageLookup.h"
#include "gfx/PixelFormat.h"
#include "gfx/Sprite.h"
#include "gfx/SpriteManager.h"
#include "world/GameSprites.h"
#include "gfx/SpriteSpec.h"
#include "platform/DisplaySurface.h"
#include "platform/Headless.h"

namespace {

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kSheetWidth = 4000;
constexpr int kLabelHeight = 16;
constexpr int kGap = 6;
constexpr uint32_t kGround = 0x7a9a6a;  // a grass tone, so magenta leaks and black holes show
// Frames wider than this are shown at half size to keep the sheet readable.
constexpr int kHalfSizeAbove = 300;

struct Tile {
    std::string label;
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB
};

// The back buffer's rectangle (0, 0, w, h) as 0x00RRGGBB.
std::vector<uint32_t> ReadBack(int w, int h) {
    std::vector<uint32_t> out(static_cast<size_t>(w) * h, 0);
    platform::DisplaySurface* target = DirectDraw::Instance().GetDrawTarget();
    platform::SurfaceLock lock;
    if (target->Lock(nullptr, lock) != platform::DD_OK) return out;
    const PixelFormat& f = DirectDraw::Instance().GetPixelFormat();
    for (int y = 0; y < h; ++y) {
        const uint8_t* row = lock.pixels + y * lock.pitch;
        for (int x = 0; x < w; ++x) {
            uint32_t p = 0;
            std::memcpy(&p, row + x * f.BytesPerPixel(), f.BytesPerPixel());
            auto channel = [&](uint32_t mask, int shift) {
                return f.bitsPerPixel == 16 ? ((p & mask) >> shift) << 3 : (p & mask) >> shift;
            };
            out[static_cast<size_t>(y) * w + x] = channel(f.redMask, f.redShift) << 16 |
                                                  channel(f.greenMask, f.greenShift) << 8 |
                                                  channel(f.blueMask, f.blueShift);
        }
    }
    target->Unlock();
    return out;
}

void ClearTarget() {
    const PixelFormat& f = DirectDraw::Instance().GetPixelFormat();
    const uint32_t r = (kGround >> 16) & 0xFF, g = (kGround >> 8) & 0xFF, b = kGround & 0xFF;
    const uint32_t color = f.bitsPerPixel == 16
                               ? ((r >> 3) << f.redShift | (g >> 3) << f.greenShift | (b >> 3) << f.blueShift)
                               : (r << f.redShift | g << f.greenShift | b << f.blueShift);
    DirectDraw::Instance().GetDrawTarget()->ColorFill(nullptr, color);
}

// The untrimmed size of one frame, from the sprite's picture.
bool FrameSize(const SpriteSpec& spec, int& w, int& h) {
    std::unique_ptr<Image> picture = LoadImage(spec.name, false);
    if (!picture) return false;
    w = picture->GetWidth();
    h = picture->GetHeight() / std::max(1, spec.frameCount);
    return true;
}

void AddTiles(const SpriteSpec& spec, bool mirrored, std::vector<Tile>& tiles) {
    Sprite* sprite = SpriteManager::Instance().GetSprite(spec.name, mirrored);
    int w = 0, h = 0;
    if (!sprite || !FrameSize(spec, w, h)) {
        std::fprintf(stderr, "rjcontactsheet: %s%s cannot be built\n", spec.name.c_str(), mirrored ? " mirrored" : "");
        return;
    }
    w = std::min(w, kScreenWidth);
    h = std::min(h, kScreenHeight);
    const int count = std::max(1, spec.frameCount);
    for (int i = 0; i < count; ++i) {
        ClearTarget();
        // The middle of frame i's time slice; sprites with a frames file show their steps instead.
        sprite->SetTime(spec.duration * (i + 0.5f) / count);
        sprite->Draw(0, 0);
        Tile tile;
        tile.label = i == 0 ? spec.name + (mirrored ? " (mirrored)" : "") : std::to_string(i);
        tile.width = w;
        tile.height = h;
        tile.pixels = ReadBack(w, h);
        tiles.push_back(std::move(tile));
    }
}

// Width of a label in the sheet's font.
double LabelWidth(cairo_t* cr, const std::string& label) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, label.c_str(), &extents);
    return extents.x_advance;
}

bool WriteSheet(const std::vector<Tile>& tiles, const std::string& path) {
    cairo_surface_t* measure = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    cairo_t* mcr = cairo_create(measure);
    cairo_select_font_face(mcr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(mcr, 11);
    // Lay the tiles out in rows, left to right; a sprite's first frame carries its name.
    struct Placed {
        const Tile* tile;
        int x, y, scale;
    };
    std::vector<Placed> placed;
    int x = kGap, y = kGap, rowHeight = 0;
    for (const Tile& tile : tiles) {
        const int scale = tile.width > kHalfSizeAbove ? 2 : 1;
        const int w = tile.width / scale, h = tile.height / scale + kLabelHeight;
        if (x + w > kSheetWidth) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        placed.push_back({&tile, x, y, scale});
        // Names must not run into the next tile.
        x += std::max(w, int(LabelWidth(mcr, tile.label)) + 4) + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    cairo_destroy(mcr);
    cairo_surface_destroy(measure);
    const int height = y + rowHeight + kGap;
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSheetWidth, height);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.2, 0.21, 0.23);
    cairo_paint(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 11);
    cairo_surface_flush(sheet);
    unsigned char* data = cairo_image_surface_get_data(sheet);
    const int stride = cairo_image_surface_get_stride(sheet);
    for (const Placed& p : placed) {
        const Tile& t = *p.tile;
        for (int ty = 0; ty < t.height / p.scale; ++ty) {
            auto* row = reinterpret_cast<uint32_t*>(data + (p.y + kLabelHeight + ty) * stride);
            for (int tx = 0; tx < t.width / p.scale; ++tx) {
                row[p.x + tx] = t.pixels[static_cast<size_t>(ty * p.scale) * t.width + tx * p.scale];
            }
        }
    }
    cairo_surface_mark_dirty(sheet);
    for (const Placed& p : placed) {
        cairo_move_to(cr, p.x, p.y + kLabelHeight - 4);
        cairo_set_source_rgb(cr, 0.92, 0.92, 0.86);
        cairo_show_text(cr, p.tile->label.c_str());
    }
    const bool ok = cairo_surface_write_to_png(sheet, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    cairo_surface_destroy(sheet);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    std::string data, out, only;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--data"))
            data = argv[i + 1];
        else if (!std::strcmp(argv[i], "--out"))
            out = argv[i + 1];
        else if (!std::strcmp(argv[i], "--only"))
            only = argv[i + 1];
    }
    if (data.empty() || out.empty()) {
        std::fprintf(stderr, "usage: rjcontactsheet --data <data folder> --out <sheet.png> [--only <name part>]\n");
        return 2;
    }
    platform::SetHeadless(true);
    // A folder holding ReedJumper.dat is read through the pack, as the game reads it.
    FileLoader::SetDataRoot(data);
    if (!FileLoader::Instance().Open()) {
        std::fprintf(stderr, "rjcontactsheet: the pack in %s cannot be opened\n", data.c_str());
        return 1;
    }
    if (!SettingsManager::Instance().Load(std::string(FileLoader::kDataFolder) + "config.txt")) {
        std::fprintf(stderr, "rjcontactsheet: %s/config.txt cannot be read\n", data.c_str());
        return 1;
    }
    if (!DirectDraw::Instance().Init(nullptr, kScreenWidth, kScreenHeight, 32, true)) {
        std::fprintf(stderr, "rjcontactsheet: the display could not be opened\n");
        return 1;
    }
    RegisterGameSprites(SpriteManager::Instance());
    std::vector<Tile> tiles;
    SpriteManager::Instance().ForEachSpec([&](const SpriteSpec& spec) {
        if (!only.empty() && spec.name.find(only) == std::string::npos) return;
        AddTiles(spec, false, tiles);
        if (spec.hasMirrored) AddTiles(spec, true, tiles);
    });
    if (!WriteSheet(tiles, out)) {
        std::fprintf(stderr, "rjcontactsheet: %s cannot be written\n", out.c_str());
        return 1;
    }
    std::printf("rjcontactsheet: %zu frames of %zu sprites in %s\n", tiles.size(),
                SpriteManager::Instance().SpecCount(), out.c_str());
    return 0;
}
