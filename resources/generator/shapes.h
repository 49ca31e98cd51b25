// Anti-aliased filled shapes. A shape is an inside test plus a bounding box; painting samples
// each pixel of the box on a 4x4 grid, so edges get a coverage-based soft border. Outlines and
// cut-outs are built by combining shapes (ring = circle minus a smaller circle).
#pragma once

#include "canvas.h"

#include <functional>
#include <vector>

struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // x0 <= x < x1, y0 <= y < y1
};

struct Shape {
    std::function<bool(double x, double y)> inside;
    Box bounds;
};

struct Point {
    double x = 0, y = 0;
};

// ---- primitives (coordinates in pixels, y downwards) --------------------------------------
Shape rect(double x, double y, double w, double h);
Shape roundedrect(double x, double y, double w, double h, double radius);
Shape ellipse(double cx, double cy, double rx, double ry);
Shape circle(double cx, double cy, double r);
Shape polygon(std::vector<Point> points);  // even-odd rule
// A line from a to b with round ends, halfwidth on each side.
Shape segment(Point a, Point b, double halfwidth);
// A band of the given halfwidth around a circle's rim, between two angles in degrees
// (0 = right, 90 = down, increasing clockwise on screen).
Shape arc(double cx, double cy, double r, double from, double to, double halfwidth);

// ---- combinations ------------------------------------------------------------------------
Shape unite(const Shape& a, const Shape& b);
Shape intersect(const Shape& a, const Shape& b);
Shape subtract(const Shape& a, const Shape& b);
// The outline of a rounded rectangle, thickness pixels wide, inside its bounds.
Shape roundedoutline(double x, double y, double w, double h, double radius, double thickness);

// ---- painting ----------------------------------------------------------------------------
void paint(Canvas& canvas, const Shape& shape, Rgba colour);
// As paint, with the colour chosen per sample point (gradients).
void paint(Canvas& canvas, const Shape& shape, const std::function<Rgba(double x, double y)>& colour);
