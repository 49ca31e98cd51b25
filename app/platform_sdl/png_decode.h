// PNG bytes to RGBA pixels, with the program's rule for pictures without an alpha channel.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace sdlbackend {

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgba;  // rows top to bottom, 4 bytes a pixel
};

// Decodes any PNG (palette, grey, RGB, with or without alpha, 8 or 16 bits) into 8-bit RGBA. In a
// picture with no alpha channel and no transparency chunk, pure black (0,0,0) pixels become fully
// transparent. False, with `error` saying why, when the bytes are not a readable PNG.
bool decodepng(const unsigned char* data, std::size_t size, Picture& out, std::string& error);

}  // namespace sdlbackend
