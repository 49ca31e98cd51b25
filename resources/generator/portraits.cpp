// Eight people for the icons f1..f8, each built from one row of a table so that they differ
// clearly at 50 x 50: background, skin, hair colour and style, glasses, beard, clothes.
#include "icons.h"

#include "shapes.h"

namespace {

enum class Hair { shortcrop, longstraight, bun, curly, bald, bob, sidepart, ponytail };

struct Person {
    Rgba background, skin, hair, shirt;
    Hair style;
    bool glasses, beard, moustache;
};

const Person people[8] = {
    {{150, 200, 240}, {250, 220, 196}, {236, 200, 96}, {214, 60, 64}, Hair::longstraight, false, false, false},
    {{244, 164, 80}, {120, 76, 50}, {30, 24, 22}, {30, 140, 140}, Hair::shortcrop, false, true, false},
    {{120, 190, 110}, {214, 168, 130}, {150, 150, 150}, {40, 56, 110}, Hair::bald, true, false, false},
    {{240, 160, 196}, {196, 140, 100}, {70, 40, 24}, {246, 206, 60}, Hair::curly, false, false, false},
    {{80, 176, 170}, {252, 224, 206}, {200, 80, 30}, {130, 70, 170}, Hair::bun, true, false, false},
    {{160, 130, 210}, {224, 184, 140}, {110, 70, 40}, {226, 226, 230}, Hair::sidepart, false, false, true},
    {{250, 220, 110}, {94, 60, 40}, {20, 18, 20}, {60, 150, 70}, Hair::bob, false, false, false},
    {{220, 110, 100}, {246, 212, 186}, {236, 236, 236}, {60, 110, 200}, Hair::ponytail, true, true, false},
};

const double cx = 25;
const double headcy = 22;

// Hair that shows behind the head (drawn before the face).
Shape backhair(Hair style)
{
    switch (style) {
    case Hair::longstraight:
        return roundedrect(12, 9, 26, 36, 11);
    case Hair::curly: {
        // Curls round the head.
        const Point curls[] = {{11, 22}, {13, 13}, {18, 8}, {25, 6}, {32, 8}, {37, 13}, {39, 22}};
        Shape s = circle(cx, 20, 14);
        for (const Point& c : curls)
            s = unite(s, circle(c.x, c.y, 6.5));
        return s;
    }
    case Hair::bob:
        return roundedrect(12, 8, 26, 26, 12);
    case Hair::ponytail:
        // Gathered at the back and hanging behind the right shoulder.
        return unite(ellipse(cx, 17, 12, 10), segment({36, 15}, {40, 32}, 3.6));
    case Hair::bun:
        return circle(cx, 7, 5.5);
    default:
        return rect(0, 0, 0, 0);
    }
}

// Hair that lies over the top of the head (drawn after the face).
Shape tophair(Hair style)
{
    const Shape cap = intersect(ellipse(cx, headcy - 1, 11.5, 13), rect(0, 0, 50, 16));
    switch (style) {
    case Hair::shortcrop:
        return intersect(ellipse(cx, headcy - 1, 11.2, 12.5), rect(0, 0, 50, 14.5));
    case Hair::longstraight:
    case Hair::bun:
    case Hair::ponytail:
        return cap;
    case Hair::curly:
        return unite(cap, unite(circle(18, 12, 4.5), unite(circle(25, 10.5, 4.5), circle(32, 12, 4.5))));
    case Hair::bald:
        // Grey at the sides only.
        return intersect(subtract(ellipse(cx, headcy, 11.5, 12.5), ellipse(cx, headcy - 4, 9, 12)),
                         rect(0, 12, 50, 10));
    case Hair::bob:
        // A fringe swept down to the left.
        return intersect(ellipse(cx, headcy - 1, 11.5, 13),
                         polygon({{10, 0}, {40, 0}, {40, 15}, {28, 14}, {14, 19}, {10, 19}}));
    case Hair::sidepart:
        return intersect(ellipse(cx, headcy - 1, 11.5, 13),
                         polygon({{10, 0}, {40, 0}, {40, 18}, {27, 12}, {18, 13}, {10, 17}}));
    }
    return cap;
}

}  // namespace

Canvas drawportrait(int person)
{
    const Person& p = people[(person - 1) % 8];
    Canvas canvas = makecanvas(50, 50);
    const Shape frame = circle(25, 25, 24);
    auto inframe = [&](const Shape& s) { return intersect(s, frame); };
    const Rgba ink{40, 30, 30};

    paint(canvas, frame, shade(p.background, 0.75));
    paint(canvas, circle(25, 25, 22.8), p.background);
    paint(canvas, inframe(backhair(p.style)), p.hair);

    // Shoulders and neck.
    paint(canvas, inframe(ellipse(cx, 52, 19, 15)), p.shirt);
    paint(canvas, inframe(rect(21, 30, 8, 8)), shade(p.skin, 0.88));
    paint(canvas, inframe(polygon({{20, 38}, {30, 38}, {25, 44}})), shade(p.skin, 0.88));

    // Head with ears.
    paint(canvas, circle(13.8, headcy + 1, 2.4), shade(p.skin, 0.92));
    paint(canvas, circle(36.2, headcy + 1, 2.4), shade(p.skin, 0.92));
    paint(canvas, ellipse(cx, headcy, 10.5, 12), p.skin);

    if (p.beard)
        paint(canvas,
              subtract(intersect(ellipse(cx, headcy + 1, 10.8, 13.2), rect(0, headcy + 1, 50, 20)),
                       ellipse(cx, headcy + 6.5, 4, 2)),
              p.hair);
    paint(canvas, tophair(p.style), p.hair);

    // Eyes, brows, mouth.
    for (double eye : {21.0, 29.0}) {
        paint(canvas, ellipse(eye, headcy, 2.3, 1.7), Rgba{250, 250, 250});
        paint(canvas, circle(eye, headcy, 1.3), ink);
    }
    paint(canvas, segment({18.5, headcy - 3.6}, {22.5, headcy - 4}, 0.7), shade(p.hair, 0.7));
    paint(canvas, segment({27.5, headcy - 4}, {31.5, headcy - 3.6}, 0.7), shade(p.hair, 0.7));
    paint(canvas, arc(cx, headcy + 2, 4.6, 35, 145, 0.8), p.beard ? Rgba{240, 240, 240} : Rgba{150, 50, 50});
    if (p.moustache)
        paint(canvas, unite(ellipse(22.3, headcy + 4.6, 3.2, 1.5), ellipse(27.7, headcy + 4.6, 3.2, 1.5)),
              shade(p.hair, 0.8));
    if (p.glasses) {
        const Rgba rim{30, 30, 36};
        paint(canvas, subtract(circle(21, headcy, 3.8), circle(21, headcy, 2.9)), rim);
        paint(canvas, subtract(circle(29, headcy, 3.8), circle(29, headcy, 2.9)), rim);
        paint(canvas, segment({24.2, headcy - 0.5}, {25.8, headcy - 0.5}, 0.5), rim);
    }
    return canvas;
}
