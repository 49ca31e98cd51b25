// FreeType rasterising for text: glyphs are rendered one by one, then packed in shelves into one
// RGBA atlas wide enough for sixteen of the widest glyph.
#include "app/platform_sdl/glyph_atlas.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

namespace sdlbackend {

namespace {

FT_Library library = nullptr;

struct Bitmap {
    int width = 0, height = 0;
    std::vector<unsigned char> coverage;
};

// Copies the rendered glyph as 0..255 coverage, whatever FreeType's pixel mode.
void takebitmap(const FT_Bitmap& b, Bitmap& out) {
    out.width = static_cast<int>(b.width);
    out.height = static_cast<int>(b.rows);
    out.coverage.assign(static_cast<std::size_t>(out.width) * out.height, 0);
    for (int y = 0; y < out.height; y++) {
        const unsigned char* row = b.buffer + static_cast<std::ptrdiff_t>(y) * b.pitch;
        for (int x = 0; x < out.width; x++) {
            unsigned char c = 0;
            if (b.pixel_mode == FT_PIXEL_MODE_MONO)
                c = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
            else if (b.pixel_mode == FT_PIXEL_MODE_GRAY)
                c = b.num_grays == 256 ? row[x] : static_cast<unsigned char>(row[x] * 255 / (b.num_grays - 1));
            out.coverage[static_cast<std::size_t>(y) * out.width + x] = c;
        }
    }
}

}  // namespace

bool makeatlas(const unsigned char* data, std::size_t size, int pixels, GlyphAtlas& out, std::string& error) {
    out = GlyphAtlas{};
    if (!library && FT_Init_FreeType(&library) != 0) {
        error = "FreeType did not start";
        return false;
    }
    FT_Face face = nullptr;
    if (FT_New_Memory_Face(library, data, static_cast<FT_Long>(size), 0, &face) != 0) {
        error = "not a font file FreeType can read";
        return false;
    }
    if (pixels < 1 || FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels)) != 0) {
        FT_Done_Face(face);
        error = "cannot set the size " + std::to_string(pixels);
        return false;
    }
    FT_Select_Charmap(face, FT_ENCODING_UNICODE);
    out.pixels = pixels;
    out.ascender = static_cast<int>((face->size->metrics.ascender + 32) >> 6);

    std::vector<Bitmap> bitmaps(256);
    int widest = 1;
    for (int code = 32; code < 256; code++) {
        if (FT_Load_Char(face, static_cast<FT_ULong>(code), FT_LOAD_RENDER | FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_NORMAL) != 0)
            continue;  // an unreadable glyph draws as nothing
        FT_GlyphSlot slot = face->glyph;
        Glyph& g = out.glyphs[code];
        g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        takebitmap(slot->bitmap, bitmaps[code]);
        g.width = bitmaps[code].width;
        g.height = bitmaps[code].height;
        widest = std::max(widest, g.width);
    }
    FT_Done_Face(face);

    // Shelves of glyphs, one pixel of space around each.
    int atlaswidth = 64;
    while (atlaswidth < 16 * (widest + 1) + 1) atlaswidth *= 2;
    int x = 1, y = 1, shelf = 0;
    for (int code = 32; code < 256; code++) {
        Glyph& g = out.glyphs[code];
        if (g.width == 0 || g.height == 0) continue;
        if (x + g.width + 1 > atlaswidth) x = 1, y += shelf + 1, shelf = 0;
        g.atlasx = x, g.atlasy = y;
        x += g.width + 1;
        shelf = std::max(shelf, g.height);
    }
    out.width = atlaswidth;
    out.height = y + shelf + 1;
    out.rgba.assign(static_cast<std::size_t>(out.width) * out.height * 4, 0);
    for (std::size_t i = 0; i < out.rgba.size(); i += 4) out.rgba[i] = out.rgba[i + 1] = out.rgba[i + 2] = 255;
    for (int code = 32; code < 256; code++) {
        const Glyph& g = out.glyphs[code];
        const Bitmap& b = bitmaps[code];
        for (int row = 0; row < g.height; row++)
            for (int col = 0; col < g.width; col++)
                out.rgba[(static_cast<std::size_t>(g.atlasy + row) * out.width + g.atlasx + col) * 4 + 3] =
                    b.coverage[static_cast<std::size_t>(row) * b.width + col];
    }
    return true;
}

int textadvance(const GlyphAtlas& atlas, const std::string& text) {
    int width = 0;
    for (char c : text) width += atlas.glyphs[static_cast<unsigned char>(c)].advance;
    return width;
}

}  // namespace sdlbackend
