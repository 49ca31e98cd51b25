#include "canvas.h"

#include <algorithm>

Canvas makecanvas(int width, int height)
{
    Canvas canvas;
    canvas.width = width;
    canvas.height = height;
    canvas.pixels.assign(static_cast<std::size_t>(width) * height, Rgba{0, 0, 0, 0});
    return canvas;
}

void blendpixel(Canvas& canvas, int x, int y, Rgba c, double coverage)
{
    if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height || coverage <= 0)
        return;
    Rgba& d = canvas.pixels[static_cast<std::size_t>(y) * canvas.width + x];
    const double sa = c.a * std::min(coverage, 1.0);
    const double outa = sa + d.a * (1 - sa);
    if (outa <= 0)
        return;
    const double keep = d.a * (1 - sa);
    d.r = (c.r * sa + d.r * keep) / outa;
    d.g = (c.g * sa + d.g * keep) / outa;
    d.b = (c.b * sa + d.b * keep) / outa;
    d.a = outa;
}

Rgba mix(Rgba a, Rgba b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

Rgba shade(Rgba c, double factor)
{
    if (factor <= 1)
        return {c.r * factor, c.g * factor, c.b * factor, c.a};
    const double t = std::min(factor - 1, 1.0);
    return mix(c, Rgba{255, 255, 255, c.a}, t);
}
