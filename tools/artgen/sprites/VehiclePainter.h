#pragma once

#include <cairo.h>

// Road vehicles seen from above with a slight tilt, facing right (the game mirrors them for lanes
// that run to the left). (cx, cy) is the vehicle's centre, length along x, width along y.
namespace vehicles {

struct Wheels {
    double length, width;
    double phase;  // 0 … 1 turns the tread once
};
// Four wheels peeking out at the corners, drawn before the body.
void DrawWheels(cairo_t* cr, double cx, double cy, double length, double width, double inset, const Wheels& wheels);
void DrawHeadlights(cairo_t* cr, double frontX, double cy, double width);
void DrawTailLights(cairo_t* cr, double rearX, double cy, double width);
// A puff of exhaust behind the vehicle; phase 0 … 1.
void DrawExhaust(cairo_t* cr, double x, double y, double phase);

enum class Roof { Closed, Open, Bubble };
void DrawCar(cairo_t* cr, double cx, double cy, double length, double width, unsigned color, Roof roof, double phase);

enum class Livery { Garbage, ChezFred, Electric, Aquarium, CementMixer };
// Where a truck's cargo body lies (from its rear end to the cab).
struct Cargo {
    double rearX, frontX, top, height;
};
// Wheels, cab and a plain cargo platform; the livery draws onto the returned cargo area.
Cargo DrawTruckBase(cairo_t* cr, double cx, double cy, double length, double width, unsigned cabColor, double phase);
// The cab alone (front part), shared by all liveries.
void DrawCab(cairo_t* cr, double frontX, double cy, double cabLength, double width, unsigned color);

}  // namespace vehicles
