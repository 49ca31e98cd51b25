// Writes a canvas as an 8-bit PNG with libpng, in one of the three pixel layouts the program's
// images use.
#pragma once

#include "canvas.h"

#include <string>

enum class PngKind {
    rgba,  // colour with alpha
    // Colour without alpha, and grey levels without alpha: the program treats pure black as
    // transparent in these, so pixels under half covered become pure black and no other pixel
    // may end up pure black.
    rgb,
    grey,
};

// False, with a message on stderr, when the file cannot be written.
bool writepng(const std::string& path, const Canvas& canvas, PngKind kind);
