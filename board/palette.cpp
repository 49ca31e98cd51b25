#include "board/palette.h"

#include "app/platform.h"
#include "app/state.h"
#include "board/visible.h"

namespace nubo {

float r[slotpalette], g[slotpalette], b[slotpalette];
float light;

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

void settacolore(int entry) {
    const int c = colore[entry];
    if (c < 1 || c > 10) return;
    const int t = entry % 7;
    // Channels of the slot times the brightness, truncated; the tint may leave 0..255 and the
    // drawing colour clamps it.
    int rr = static_cast<int>(r[c] * light), gg = static_cast<int>(g[c] * light), bb = static_cast<int>(b[c] * light);
    switch (c) {
        case 1: rr += 7 * t, gg += 7 * t; break;
        case 2: bb += 7 * t; break;
        case 4: rr += 7 * t; break;
        case 6: gg += 7 * t; break;
        case 7: rr += 5 * t, gg += 5 * t, bb += 5 * t; break;
        case 3: case 5: case 8: case 9: rr -= 3 * t, gg -= 3 * t, bb -= 3 * t; break;
        default: break;
    }
    plat::setcolour(rr, gg, bb);
}

void colorepalette(int slot) {
    if (slot < 1 || slot >= slotpalette) return;
    plat::setcolour(static_cast<int>(r[slot]), static_cast<int>(g[slot]), static_cast<int>(b[slot]));
}

void resetpalette() {
    for (int i = 0; i < slotpalette; i++) r[i] = g[i] = b[i] = 0;
    light = 1.0f;
}

}  // namespace nubo
