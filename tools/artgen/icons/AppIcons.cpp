#include "icons/AppIcons.h"

#include <cairo-svg.h>
#include <cairo.h>
#include <sys/stat.h>

#include <numbers>
#include <cstdio>

#include "sprites/FrogPainter.h"
#include "sprites/LilyPainter.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};
// The drawing is made on a square of this many units and scaled to each size.
constexpr double kUnits = 128.0;
// The frog's scale on that square (it is about 46 units across at scale 1).
constexpr double kFrogScale = 1.75;
constexpr const char* kName = "reedjumper";

// Water in a rounded square, a pad, and the frog sitting on it looking up and right.
void DrawIcon(cairo_t* cr, double size) {
    cairo_save(cr);
    cairo_scale(cr, size / kUnits, size / kUnits);
    const double r = 22.0;
    const double m = 4.0;
    cairo_new_sub_path(cr);
    cairo_arc(cr, kUnits - m - r, m + r, r, -kPi / 2, 0);
    cairo_arc(cr, kUnits - m - r, kUnits - m - r, r, 0, kPi / 2);
    cairo_arc(cr, m + r, kUnits - m - r, r, kPi / 2, kPi);
    cairo_arc(cr, m + r, m + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
    cairo_pattern_t* water = cairo_pattern_create_linear(0, 0, 0, kUnits);
    cairo_pattern_add_color_stop_rgb(water, 0, 0.20, 0.55, 0.75);
    cairo_pattern_add_color_stop_rgb(water, 1, 0.08, 0.30, 0.50);
    cairo_set_source(cr, water);
    cairo_fill(cr);
    cairo_pattern_destroy(water);

    DrawLilyPad(cr, 64, 70, 54, 48, 0.6, false);
    FrogPose frog;
    frog.x = 64;
    frog.y = 64;
    frog.scale = kFrogScale;
    frog.angle = 0.25;
    frog.lookX = 0.4;
    frog.lookY = -0.5;
    DrawFrog(cr, frog);
    cairo_restore(cr);
}

bool MakeFolder(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
    return mkdir(path.c_str(), 0755) == 0;
}

}  // namespace

bool WriteAppIcons(const std::string& folder) {
    if (!MakeFolder(folder)) {
        std::fprintf(stderr, "rjartgen: cannot create %s\n", folder.c_str());
        return false;
    }
    for (int size : kSizes) {
        const std::string sizeDir = folder + "/" + std::to_string(size) + "x" + std::to_string(size);
        const std::string dir = sizeDir + "/apps";
        const std::string path = dir + "/" + kName + ".png";
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
        cairo_t* cr = cairo_create(surface);
        DrawIcon(cr, size);
        cairo_destroy(cr);
        const bool ok = MakeFolder(sizeDir) && MakeFolder(dir) &&
                        cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
        cairo_surface_destroy(surface);
        if (!ok) {
            std::fprintf(stderr, "rjartgen: cannot write %s\n", path.c_str());
            return false;
        }
    }
    const std::string dir = folder + "/scalable/apps";
    const std::string path = dir + "/" + kName + ".svg";
    if (!MakeFolder(folder + "/scalable") || !MakeFolder(dir)) {
        std::fprintf(stderr, "rjartgen: cannot create %s\n", dir.c_str());
        return false;
    }
    cairo_surface_t* surface = cairo_svg_surface_create(path.c_str(), kUnits, kUnits);
    cairo_t* cr = cairo_create(surface);
    DrawIcon(cr, kUnits);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!ok) std::fprintf(stderr, "rjartgen: cannot write %s\n", path.c_str());
    return ok;
}
