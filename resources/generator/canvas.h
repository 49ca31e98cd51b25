// A picture being drawn: straight (not premultiplied) RGBA in floating point, composited with
// "over". Shapes and text paint into it; the PNG writer turns it into 8-bit rows at the end.
#pragma once

#include <vector>

struct Rgba {
    double r = 0, g = 0, b = 0;  // 0..255
    double a = 1;                // 0..1
};

struct Canvas {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;  // row by row from the top, all transparent at first
};

Canvas makecanvas(int width, int height);

// Lays colour c over pixel (x, y) with its alpha scaled by coverage (0..1); ignores pixels outside.
void blendpixel(Canvas& canvas, int x, int y, Rgba c, double coverage);

// Colour between a and b, t = 0 gives a, t = 1 gives b.
Rgba mix(Rgba a, Rgba b, double t);

// The colour darkened (factor < 1) or lightened towards white (factor > 1), alpha kept.
Rgba shade(Rgba c, double factor);
