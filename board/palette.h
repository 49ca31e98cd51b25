// The board's palette: fourteen colour slots filled for the light or the dark theme, and the colour
// with which every board frame is cleared.
#pragma once

namespace nubo {

constexpr int slotpalette = 15;  // slots 1..14; slot 0 is never filled
extern float r[slotpalette], g[slotpalette], b[slotpalette];

// Fills slots 1..14 and the clear colour for the theme in `colori`.
void settacolori();

void resetpalette();

}  // namespace nubo
