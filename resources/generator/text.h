// Captions rendered with FreeType into a canvas, anti-aliased, at fractional pen positions.
#pragma once

#include "canvas.h"
#include "shapes.h"

#include <string>

struct CaptionFont;  // an open font file; one is opened for the whole run

// Null, with a message on stderr, when the file cannot be opened as a font.
CaptionFont* opencaptionfont(const std::string& path);
void closecaptionfont(CaptionFont* font);

// Advance width in pixels of text (ASCII) at the given pixel size.
double textwidth(CaptionFont* font, const std::string& text, double size);

// Height in pixels of a capital letter at the given size, for centring captions by eye.
double capheight(CaptionFont* font, double size);

// Draws text with its baseline starting at (x, baseline).
void drawtext(Canvas& canvas, CaptionFont* font, const std::string& text, double size, double x,
              double baseline, Rgba colour);

// Draws text centred in the box: horizontally by advance width, vertically by capital height.
void drawcentred(Canvas& canvas, CaptionFont* font, const std::string& text, double size, Box box,
                 Rgba colour);
