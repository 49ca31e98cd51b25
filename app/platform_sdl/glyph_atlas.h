// A font rasterised once at one pixel size into a single atlas of the characters 32..255.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace sdlbackend {

struct Glyph {
    int advance = 0;           // whole pixels to the next character
    int left = 0, top = 0;     // bitmap offset from the pen: right, and up from the baseline
    int width = 0, height = 0; // bitmap size; 0 for blanks
    int atlasx = 0, atlasy = 0;
};

struct GlyphAtlas {
    int pixels = 0;            // size the font was set to
    int ascender = 0;          // baseline below the text's top, in pixels
    int width = 0, height = 0; // atlas size
    std::vector<unsigned char> rgba;  // white, coverage in alpha
    Glyph glyphs[256];         // codes below 32 stay empty
};

// Rasterises the font file held in memory (TrueType or OpenType/CFF), anti-aliased, hinted so that
// advances are whole pixels. Each code 32..255 is the Unicode character of that number. Glyphs are
// kept a pixel apart so that filtering a scaled glyph does not pick up its neighbours.
// False, with `error` saying why, when FreeType cannot use the bytes.
bool makeatlas(const unsigned char* data, std::size_t size, int pixels, GlyphAtlas& out, std::string& error);

// Sum of the advances of the text's characters.
int textadvance(const GlyphAtlas& atlas, const std::string& text);

}  // namespace sdlbackend
