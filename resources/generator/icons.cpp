#include "icons.h"

#include "shapes.h"

namespace {

const Box whole{0, 0, 50, 50};

}  // namespace

Canvas drawnoicon(CaptionFont* font)
{
    Canvas canvas = makecanvas(50, 50);
    paint(canvas, circle(25, 25, 24), Rgba{120, 122, 128});
    paint(canvas, circle(25, 25, 22.5), [](double, double y) {
        return mix(Rgba{188, 190, 196}, Rgba{150, 152, 158}, y / 50);
    });
    drawcentred(canvas, font, "TAG", 15, whole, Rgba{70, 72, 78, 1});
    return canvas;
}

Canvas drawwarning()
{
    Canvas canvas = makecanvas(50, 50);
    const Point top{25, 5}, left{3, 44}, right{47, 44};
    paint(canvas, unite(polygon({top, left, right}),
                        unite(segment(top, left, 3), unite(segment(left, right, 3), segment(right, top, 3)))),
          Rgba{60, 50, 20});
    paint(canvas, polygon({{25, 9.5}, {7.5, 41.5}, {42.5, 41.5}}), Rgba{250, 200, 40});
    const Rgba mark{40, 34, 20};
    paint(canvas, segment({25, 20}, {25, 31}, 2.6), mark);
    paint(canvas, circle(25, 37, 2.6), mark);
    return canvas;
}

Canvas drawquestion(CaptionFont* font)
{
    Canvas canvas = makecanvas(50, 50);
    paint(canvas, circle(25, 25, 24), Rgba{150, 24, 24});
    paint(canvas, circle(25, 25, 22.5), [](double, double y) {
        return mix(Rgba{236, 70, 60}, Rgba{196, 36, 32}, y / 50);
    });
    drawcentred(canvas, font, "?", 32, whole, Rgba{255, 255, 255, 1});
    return canvas;
}
