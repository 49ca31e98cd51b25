// The board's palette: fourteen colour slots filled for the light or the dark theme, and the colour
// with which every board frame is cleared.
#pragma once

namespace nubo {

constexpr int slotpalette = 15;  // slots 1..14; slot 0 is never filled
extern float r[slotpalette], g[slotpalette], b[slotpalette];

// Brightness factor that settacolore applies; the drawing steps set it before each call.
extern float light;

// Fills slots 1..14 and the clear colour for the theme in `colori`.
void settacolori();
// Drawing colour of visible entry `entry`: its class's slot times `light`, tinted by the entry's
// position in the table (entry mod 7). A class outside 1..10 leaves the colour as it was.
void settacolore(int entry);
// Drawing colour of a palette slot as it is, without brightness or tint; a slot outside 1..14
// leaves the colour as it was.
void colorepalette(int slot);

void resetpalette();

}  // namespace nubo
