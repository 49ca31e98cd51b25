#include "buttons.h"

#include "shapes.h"

namespace {

struct ButtonTones {
    Rgba top, bottom, border;
};

ButtonTones tones(ButtonColour colour)
{
    switch (colour) {
    case ButtonColour::blue:
        return {{78, 146, 222}, {38, 96, 178}, {24, 60, 118}};
    case ButtonColour::green:
        return {{84, 176, 92}, {40, 128, 58}, {24, 84, 36}};
    case ButtonColour::red:
        return {{222, 84, 76}, {172, 44, 40}, {112, 26, 22}};
    case ButtonColour::grey:
        break;
    }
    return {{132, 134, 140}, {90, 92, 98}, {58, 60, 66}};
}

}  // namespace

Canvas drawbutton(CaptionFont* font, int width, int height, ButtonColour colour,
                  const std::string& caption)
{
    const ButtonTones t = tones(colour);
    const double w = width, h = height;
    const double radius = 7;
    Canvas canvas = makecanvas(width, height);

    paint(canvas, roundedrect(0, 0, w, h, radius), t.border);
    paint(canvas, roundedrect(1.5, 1.5, w - 3, h - 3, radius - 1.5),
          [&](double, double y) { return mix(t.top, t.bottom, y / h); });
    // A soft sheen on the upper half.
    paint(canvas, roundedrect(3, 2.5, w - 6, h / 2 - 2.5, radius - 3), Rgba{255, 255, 255, 0.12});

    const Box area{0, 0, w, h};
    const double size = height >= 40 ? 17 : 15;
    Box shadow = area;
    shadow.y0 += 1, shadow.y1 += 1;
    drawcentred(canvas, font, caption, size, shadow, Rgba{t.border.r, t.border.g, t.border.b, 0.8});
    drawcentred(canvas, font, caption, size, area, Rgba{255, 255, 255, 1});
    return canvas;
}
