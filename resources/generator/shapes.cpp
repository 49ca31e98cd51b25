#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int grid = 4;  // samples per pixel side

Box boxunion(Box a, Box b)
{
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

Box boxintersection(Box a, Box b)
{
    return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

double distancetosegment(Point p, Point a, Point b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

}  // namespace

Shape rect(double x, double y, double w, double h)
{
    return {[=](double px, double py) { return px >= x && px < x + w && py >= y && py < y + h; },
            {x, y, x + w, y + h}};
}

Shape roundedrect(double x, double y, double w, double h, double radius)
{
    const double r = std::min({radius, w / 2, h / 2});
    return {[=](double px, double py) {
                if (px < x || px >= x + w || py < y || py >= y + h)
                    return false;
                // Distance from the inner rectangle whose corners are the arcs' centres.
                const double qx = std::max({x + r - px, px - (x + w - r), 0.0});
                const double qy = std::max({y + r - py, py - (y + h - r), 0.0});
                return qx * qx + qy * qy <= r * r;
            },
            {x, y, x + w, y + h}};
}

Shape ellipse(double cx, double cy, double rx, double ry)
{
    return {[=](double px, double py) {
                const double u = (px - cx) / rx, v = (py - cy) / ry;
                return u * u + v * v <= 1;
            },
            {cx - rx, cy - ry, cx + rx, cy + ry}};
}

Shape circle(double cx, double cy, double r) { return ellipse(cx, cy, r, r); }

Shape polygon(std::vector<Point> points)
{
    Box box{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const Point& p : points)
        box = boxunion(box, {p.x, p.y, p.x, p.y});
    return {[pts = std::move(points)](double px, double py) {
                bool in = false;
                for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
                    const Point a = pts[i], b = pts[j];
                    if ((a.y > py) != (b.y > py) &&
                        px < (b.x - a.x) * (py - a.y) / (b.y - a.y) + a.x)
                        in = !in;
                }
                return in;
            },
            box};
}

Shape segment(Point a, Point b, double halfwidth)
{
    return {[=](double px, double py) { return distancetosegment({px, py}, a, b) <= halfwidth; },
            {std::min(a.x, b.x) - halfwidth, std::min(a.y, b.y) - halfwidth,
             std::max(a.x, b.x) + halfwidth, std::max(a.y, b.y) + halfwidth}};
}

Shape arc(double cx, double cy, double r, double from, double to, double halfwidth)
{
    const double rad = std::numbers::pi / 180;
    const Point first{cx + r * std::cos(from * rad), cy + r * std::sin(from * rad)};
    const Point last{cx + r * std::cos(to * rad), cy + r * std::sin(to * rad)};
    return {[=](double px, double py) {
                double angle = std::atan2(py - cy, px - cx) / rad;
                while (angle < from)
                    angle += 360;
                if (angle <= to)
                    return std::abs(std::hypot(px - cx, py - cy) - r) <= halfwidth;
                // Round caps at both ends.
                return std::hypot(px - first.x, py - first.y) <= halfwidth ||
                       std::hypot(px - last.x, py - last.y) <= halfwidth;
            },
            {cx - r - halfwidth, cy - r - halfwidth, cx + r + halfwidth, cy + r + halfwidth}};
}

Shape unite(const Shape& a, const Shape& b)
{
    return {[a, b](double x, double y) { return a.inside(x, y) || b.inside(x, y); },
            boxunion(a.bounds, b.bounds)};
}

Shape intersect(const Shape& a, const Shape& b)
{
    return {[a, b](double x, double y) { return a.inside(x, y) && b.inside(x, y); },
            boxintersection(a.bounds, b.bounds)};
}

Shape subtract(const Shape& a, const Shape& b)
{
    return {[a, b](double x, double y) { return a.inside(x, y) && !b.inside(x, y); }, a.bounds};
}

Shape roundedoutline(double x, double y, double w, double h, double radius, double thickness)
{
    return subtract(roundedrect(x, y, w, h, radius),
                    roundedrect(x + thickness, y + thickness, w - 2 * thickness,
                                h - 2 * thickness, std::max(radius - thickness, 0.0)));
}

void paint(Canvas& canvas, const Shape& shape, Rgba colour)
{
    paint(canvas, shape, [colour](double, double) { return colour; });
}

void paint(Canvas& canvas, const Shape& shape, const std::function<Rgba(double x, double y)>& colour)
{
    const int x0 = std::max(0, static_cast<int>(std::floor(shape.bounds.x0)));
    const int y0 = std::max(0, static_cast<int>(std::floor(shape.bounds.y0)));
    const int x1 = std::min(canvas.width, static_cast<int>(std::ceil(shape.bounds.x1)));
    const int y1 = std::min(canvas.height, static_cast<int>(std::ceil(shape.bounds.y1)));
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            int hits = 0;
            Rgba sum{0, 0, 0, 0};
            for (int sy = 0; sy < grid; ++sy)
                for (int sx = 0; sx < grid; ++sx) {
                    const double px = x + (sx + 0.5) / grid, py = y + (sy + 0.5) / grid;
                    if (!shape.inside(px, py))
                        continue;
                    const Rgba c = colour(px, py);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, sum.a + c.a};
                    ++hits;
                }
            if (hits == 0)
                continue;
            const Rgba average{sum.r / hits, sum.g / hits, sum.b / hits, sum.a / hits};
            blendpixel(canvas, x, y, average, static_cast<double>(hits) / (grid * grid));
        }
}
