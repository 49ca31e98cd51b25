#include "pictures.h"

#include "shapes.h"

#include <cmath>

namespace {

const Rgba arrowgrey{150, 150, 156};
const Rgba outlinegrey{90, 90, 96};

// A slightly rounded triangle: the filled polygon widened by a thin rounded rim.
Shape softtriangle(Point a, Point b, Point c, double rim)
{
    return unite(polygon({a, b, c}),
                 unite(segment(a, b, rim), unite(segment(b, c, rim), segment(c, a, rim))));
}

// Palm, four fingers and thumb, each widened by grow pixels.
Shape wavinghand(double grow)
{
    const double finger = 2.7 + grow;
    const Shape palm = ellipse(82, 30, 9 + grow, 10 + grow);
    const Shape fingers =
        unite(unite(segment({76, 24}, {73, 10}, finger), segment({81, 22}, {80, 6}, finger)),
              unite(segment({86, 22}, {88, 7}, finger), segment({90, 26}, {95, 14}, finger - 0.2)));
    return unite(unite(palm, fingers), segment({75, 33}, {68, 27}, finger + 0.1));
}

Canvas daycountarrow(bool up)
{
    Canvas canvas = makecanvas(40, 17);
    const double tip = up ? 2 : 15, base = up ? 15 : 2;
    paint(canvas, softtriangle({20, tip}, {7, base}, {33, base}, 1.4), outlinegrey);
    paint(canvas, softtriangle({20, tip + (up ? 1.6 : -1.6)}, {8.8, base + (up ? -0.8 : 0.8)},
                               {31.2, base + (up ? -0.8 : 0.8)}, 0.6),
          arrowgrey);
    return canvas;
}

}  // namespace

Canvas drawarrowup() { return daycountarrow(true); }

Canvas drawarrowdown() { return daycountarrow(false); }

Canvas drawsettings()
{
    Canvas canvas = makecanvas(40, 40);
    paint(canvas, polygon({{0, 0}, {40, 0}, {40, 40}}), Rgba{52, 54, 60, 0.92});
    for (int i = 0; i < 3; ++i) {
        const double y = 7 + 5 * i;
        paint(canvas, segment({23, y}, {34, y}, 1.2), Rgba{255, 255, 255, 1});
    }
    return canvas;
}

Canvas drawmoveghost()
{
    Canvas canvas = makecanvas(100, 44);
    paint(canvas, roundedrect(2, 2, 96, 40, 4), Rgba{150, 180, 220, 0.22});
    // Dashes walk round the border; a dash is drawn where the walked length falls in its on part.
    const Rgba dash{70, 100, 150, 1};
    const double x0 = 2, y0 = 2, x1 = 98, y1 = 42;
    const double on = 6, period = 10;
    auto dashes = [&](Point a, Point b) {
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        for (double s = 0; s < length; s += period) {
            const double e = std::min(s + on, length);
            const Point p{a.x + (b.x - a.x) * s / length, a.y + (b.y - a.y) * s / length};
            const Point q{a.x + (b.x - a.x) * e / length, a.y + (b.y - a.y) * e / length};
            paint(canvas, segment(p, q, 1.1), dash);
        }
    };
    dashes({x0, y0}, {x1, y0});
    dashes({x1, y0}, {x1, y1});
    dashes({x1, y1}, {x0, y1});
    dashes({x0, y1}, {x0, y0});
    return canvas;
}

Canvas drawhome()
{
    Canvas canvas = makecanvas(45, 45);
    const Rgba body{88, 100, 120, 0.95};
    const Shape roof = softtriangle({22.5, 5}, {4, 22}, {41, 22}, 1.5);
    const Shape chimney = rect(30, 7, 5, 10);
    const Shape walls = rect(9, 20, 27, 20);
    const Shape door = roundedrect(19.5, 28, 6, 12, 2);
    const Shape window = rect(27.5, 25, 5, 5);
    paint(canvas, subtract(subtract(unite(unite(roof, chimney), walls), door), window), body);
    return canvas;
}

Canvas drawfarewell()
{
    Canvas canvas = makecanvas(100, 82);
    const Rgba yellow{252, 206, 64}, rim{214, 150, 30}, dark{70, 45, 30};

    // The face.
    paint(canvas, circle(40, 46, 31), rim);
    paint(canvas, circle(40, 46, 29), [&](double, double y) {
        return mix(Rgba{255, 224, 110}, yellow, (y - 17) / 58);
    });
    paint(canvas, ellipse(29, 38, 3.6, 5.2), dark);
    paint(canvas, ellipse(51, 38, 3.6, 5.2), dark);
    paint(canvas, circle(30, 36, 1.3), Rgba{255, 255, 255, 1});
    paint(canvas, circle(52, 36, 1.3), Rgba{255, 255, 255, 1});
    paint(canvas, circle(22, 52, 5), Rgba{240, 110, 90, 0.35});
    paint(canvas, circle(58, 52, 5), Rgba{240, 110, 90, 0.35});
    paint(canvas, arc(40, 46, 17, 25, 155, 2.2), dark);

    // The waving hand, raised at the upper right: drawn grown by the rim first, then filled.
    paint(canvas, wavinghand(1.4), rim);
    paint(canvas, wavinghand(0), yellow);

    // Motion marks on the hand's outer side.
    const Rgba motion{120, 120, 130, 0.85};
    paint(canvas, arc(82, 30, 27, -150, -125, 1.1), motion);
    paint(canvas, arc(82, 30, 32, -148, -127, 1.1), motion);
    return canvas;
}

Canvas drawexamplenote(CaptionFont* font)
{
    Canvas canvas = makecanvas(135, 44);
    const Rgba violet{150, 110, 200};
    paint(canvas, roundedrect(0, 0, 135, 44, 6), shade(violet, 0.7));
    paint(canvas, roundedrect(1.5, 1.5, 132, 41, 4.5), [&](double, double y) {
        return mix(shade(violet, 1.15), violet, y / 44);
    });
    const Rgba ink{255, 255, 255, 1};
    drawtext(canvas, font, "This is an example", 12, 8, 18, ink);
    drawtext(canvas, font, "note.", 12, 8, 33, ink);
    return canvas;
}

Canvas drawboxarrow()
{
    Canvas canvas = makecanvas(30, 9);
    paint(canvas, softtriangle({8, 1.5}, {22, 1.5}, {15, 7.5}, 0.8), Rgba{255, 255, 255, 1});
    return canvas;
}

Canvas drawdelaymark()
{
    Canvas canvas = makecanvas(21, 13);
    paint(canvas, roundedrect(0.5, 0.5, 20, 12, 5), Rgba{255, 250, 245, 0.9});
    paint(canvas, roundedoutline(0.5, 0.5, 20, 12, 5, 1.4), Rgba{200, 40, 36, 1});
    return canvas;
}
