#include "board/palette.h"

#include "app/platform.h"
#include "app/state.h"

namespace nubo {

float r[slotpalette], g[slotpalette], b[slotpalette];

namespace {

struct Colore {
    float r, g, b;
};

// Slots 1..14: the ten colour classes, top bar, weekend columns, today's column, grid lines.
constexpr Colore chiaro[slotpalette] = {{0, 0, 0},       {190, 190, 100}, {160, 160, 220}, {190, 190, 190},
                                        {220, 120, 120}, {200, 200, 200}, {90, 180, 90},   {200, 100, 60},
                                        {180, 195, 180}, {200, 215, 200}, {255, 255, 255}, {31, 162, 220},
                                        {220, 220, 220}, {200, 200, 240}, {84, 177, 223}};
constexpr Colore scuro[slotpalette] = {{0, 0, 0},       {220, 210, 50},  {130, 130, 200}, {140, 140, 140},
                                       {200, 70, 70},   {120, 120, 120}, {70, 160, 70},   {200, 120, 70},
                                       {100, 115, 100}, {120, 135, 120}, {255, 255, 255}, {50, 70, 50},
                                       {130, 130, 130}, {170, 170, 140}, {160, 160, 160}};

}  // namespace

void settacolori() {
    const Colore* tema = colori != 0 ? chiaro : scuro;
    for (int i = 1; i < slotpalette; i++) {
        r[i] = tema[i].r;
        g[i] = tema[i].g;
        b[i] = tema[i].b;
    }
    if (colori != 0)
        plat::setclearcolour(231, 244, 252);
    else
        plat::setclearcolour(150, 150, 150);
}

void resetpalette() {
    for (int i = 0; i < slotpalette; i++) r[i] = g[i] = b[i] = 0;
}

}  // namespace nubo
