#include "sprites/VehiclePainter.h"

#include <cmath>

#include "Paint.h"
#include "sprites/EffectsPainter.h"

using namespace paint;

namespace vehicles {

void DrawWheels(cairo_t* cr, double cx, double cy, double length, double width, double inset, const Wheels& w) {
    for (int sx = -1; sx <= 1; sx += 2) {
        for (int sy = -1; sy <= 1; sy += 2) {
            const double x = cx + sx * (length / 2 - inset) - w.length / 2;
            const double y = cy + sy * (width / 2) - w.width / 2;
            RoundedRect(cr, x, y, w.length, w.width, 2.5);
            FillOutlined(cr, Hex(0x3a3d44), Hex(0x1c1e24), 1.6);
            // Tread bars move as the wheel turns.
            for (int k = 0; k < 4; ++k) {
                const double tx = x + std::fmod(k * w.length / 4 + w.phase * w.length / 4 * 3, w.length);
                cairo_move_to(cr, tx, y + 1.5);
                cairo_line_to(cr, tx, y + w.width - 1.5);
            }
            Set(cr, Hex(0x6a6e78));
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
        }
    }
}

void DrawHeadlights(cairo_t* cr, double frontX, double cy, double width) {
    for (int s = -1; s <= 1; s += 2) {
        Ellipse(cr, frontX - 3, cy + s * width * 0.32, 2.5, 4);
        FillOutlined(cr, Hex(0xfff3a0), Hex(0x6a5a20), 1.2);
    }
}

void DrawTailLights(cairo_t* cr, double rearX, double cy, double width) {
    for (int s = -1; s <= 1; s += 2) {
        RoundedRect(cr, rearX - 1, cy + s * width * 0.32 - 4, 3.5, 8, 1.5);
        FillOutlined(cr, Hex(0xe23a3a), Hex(0x5a1a1a), 1.2);
    }
}

void DrawExhaust(cairo_t* cr, double x, double y, double phase) {
    effects::SmokePuff(cr, x - 4 - 6 * phase, y, 2.5 + 2 * phase, 0.78 - 0.1 * phase);
}

void DrawCar(cairo_t* cr, double cx, double cy, double length, double width, unsigned color, Roof roof, double phase) {
    const Color body = Hex(color);
    const double bounce = std::sin(phase * 2 * kPi) * 0.6;
    cy += bounce;
    DrawWheels(cr, cx, cy, length, width - 2, length * 0.2, {length * 0.17, 7, phase});
    // The tilt shows a strip of the side facing the viewer at the lower edge.
    RoundedRect(cr, cx - length / 2, cy - width / 2 + 2, length, width, width * 0.3);
    FillOutlined(cr, Darker(body, 0.35));
    RoundedRect(cr, cx - length / 2, cy - width / 2, length, width - 5, width * 0.3);
    ShadedOutlined(cr, body, cx - length / 2, cy - width / 2, length, width - 5);
    const double top = cy - width / 2, inner = width - 5;
    switch (roof) {
    case Roof::Closed: {
        // Windscreen, soft top with seams, rear window.
        RoundedRect(cr, cx + length * 0.06, top + 5, length * 0.16, inner - 10, 3);
        FillOutlined(cr, Hex(0x9fd6f0), 1.6);
        RoundedRect(cr, cx - length * 0.3, top + 4, length * 0.36, inner - 8, 6);
        ShadedOutlined(cr, Hex(0x4a4a58), cx - length * 0.3, top + 4, length * 0.36, inner - 8);
        for (int k = 1; k < 4; ++k) {
            cairo_move_to(cr, cx - length * 0.3 + k * length * 0.09, top + 6);
            cairo_line_to(cr, cx - length * 0.3 + k * length * 0.09, top + inner - 6);
        }
        Set(cr, Hex(0x2e2e3a));
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        break;
    }
    case Roof::Open: {
        // Windscreen, two seats, the driver with sunglasses and a scarf in the wind.
        RoundedRect(cr, cx + length * 0.08, top + 4, length * 0.06, inner - 8, 2);
        FillOutlined(cr, Hex(0x9fd6f0), 1.4);
        RoundedRect(cr, cx - length * 0.3, top + 5, length * 0.36, inner - 10, 5);
        FillOutlined(cr, Hex(0x7a3a2a), 1.6);
        for (int s = -1; s <= 1; s += 2) {
            RoundedRect(cr, cx - length * 0.16, cy - 5 + s * (inner * 0.2) - 5, length * 0.14, 10, 3);
            FillOutlined(cr, Hex(0xd9c09a), 1.4);
        }
        const double hx = cx - length * 0.06, hy = cy - 2.5 - inner * 0.2;
        // Scarf flutters behind the head.
        cairo_move_to(cr, hx - 3, hy + 2);
        for (int k = 1; k <= 4; ++k) {
            cairo_line_to(cr, hx - 3 - k * 5, hy + 2 + std::sin(phase * 2 * kPi * 2 + k) * 2.5 * k / 2);
        }
        Set(cr, Hex(0x7a1f1f));
        cairo_set_line_width(cr, 5);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        cairo_move_to(cr, hx - 3, hy + 2);
        for (int k = 1; k <= 4; ++k) {
            cairo_line_to(cr, hx - 3 - k * 5, hy + 2 + std::sin(phase * 2 * kPi * 2 + k) * 2.5 * k / 2);
        }
        Set(cr, Hex(0xf2d84a));
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        Ellipse(cr, hx, hy, 6, 6);
        ShadedOutlined(cr, Hex(0xe8b48a), hx - 6, hy - 6, 12, 12);
        Ellipse(cr, hx - 1.5, hy - 1, 5, 4.5);
        Fill(cr, Hex(0x6a3a1a));
        RoundedRect(cr, hx + 1, hy - 4, 4, 8, 1.5);
        Fill(cr, Hex(0x2a2a34));
        break;
    }
    case Roof::Bubble: {
        Ellipse(cr, cx - length * 0.05, cy - 2.5, length * 0.28, inner * 0.36);
        ShadedOutlined(cr, Lighter(body, 0.25), cx - length * 0.33, cy - 2.5 - inner * 0.36, length * 0.56,
                       inner * 0.72);
        RoundedRect(cr, cx + length * 0.12, top + 6, length * 0.1, inner - 12, 3);
        FillOutlined(cr, Hex(0x9fd6f0), 1.4);
        RoundedRect(cr, cx - length * 0.36, top + 8, length * 0.07, inner - 16, 2);
        FillOutlined(cr, Hex(0x9fd6f0), 1.4);
        break;
    }
    }
    Shine(cr, cx - length * 0.3, top + 4, length * 0.12, 2.5, 0.45);
    DrawHeadlights(cr, cx + length / 2, cy - 2.5, inner);
    DrawTailLights(cr, cx - length / 2, cy - 2.5, inner);
    DrawExhaust(cr, cx - length / 2, cy + inner * 0.3, phase);
}

void DrawCab(cairo_t* cr, double frontX, double cy, double cabLength, double width, unsigned color) {
    const Color c = Hex(color);
    const double x = frontX - cabLength;
    RoundedRect(cr, x, cy - width / 2 + 2, cabLength, width, 9);
    FillOutlined(cr, Darker(c, 0.35));
    RoundedRect(cr, x, cy - width / 2, cabLength, width - 5, 9);
    ShadedOutlined(cr, c, x, cy - width / 2, cabLength, width - 5);
    RoundedRect(cr, frontX - cabLength * 0.42, cy - width / 2 + 5, cabLength * 0.26, width - 15, 3);
    FillOutlined(cr, Hex(0x9fd6f0), 1.6);
    Shine(cr, x + cabLength * 0.3, cy - width / 2 + 5, cabLength * 0.2, 2.5, 0.45);
    DrawHeadlights(cr, frontX, cy - 2.5, width - 5);
}

}  // namespace vehicles

namespace vehicles {

Cargo DrawTruckBase(cairo_t* cr, double cx, double cy, double length, double width, unsigned cabColor, double phase) {
    const double cabLength = length * 0.24;
    const double bounce = std::sin(phase * 2 * kPi) * 0.5;
    DrawWheels(cr, cx, cy + bounce, length, width - 2, length * 0.12, {length * 0.09, 7, phase});
    DrawWheels(cr, cx - length * 0.18, cy + bounce, length * 0.3, width - 2, 0, {length * 0.09, 7, phase});
    DrawCab(cr, cx + length / 2, cy, cabLength, width, cabColor);
    const Cargo cargo{cx - length / 2, cx + length / 2 - cabLength - 2, cy - width / 2 + bounce, width - 5};
    DrawExhaust(cr, cargo.rearX, cy + width * 0.25, phase);
    return cargo;
}

}  // namespace vehicles
