#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>

struct CaptionFont {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

namespace {

// Sizes are set in 1/64 pixel, so fractional sizes keep their exact proportions.
void setsize(CaptionFont* font, double size)
{
    FT_Set_Char_Size(font->face, 0, static_cast<FT_F26Dot6>(std::lround(size * 64)), 72, 72);
}

}  // namespace

CaptionFont* opencaptionfont(const std::string& path)
{
    auto* font = new CaptionFont;
    if (FT_Init_FreeType(&font->library) != 0 ||
        FT_New_Face(font->library, path.c_str(), 0, &font->face) != 0) {
        std::fprintf(stderr, "%s: could not open the caption font\n", path.c_str());
        closecaptionfont(font);
        return nullptr;
    }
    return font;
}

void closecaptionfont(CaptionFont* font)
{
    if (!font)
        return;
    if (font->face)
        FT_Done_Face(font->face);
    if (font->library)
        FT_Done_FreeType(font->library);
    delete font;
}

double textwidth(CaptionFont* font, const std::string& text, double size)
{
    setsize(font, size);
    FT_Set_Transform(font->face, nullptr, nullptr);
    double width = 0;
    for (unsigned char ch : text)
        if (FT_Load_Char(font->face, ch, FT_LOAD_NO_HINTING) == 0)
            width += font->face->glyph->linearHoriAdvance / 65536.0;
    return width;
}

double capheight(CaptionFont* font, double size)
{
    setsize(font, size);
    FT_Set_Transform(font->face, nullptr, nullptr);
    if (FT_Load_Char(font->face, 'H', FT_LOAD_NO_HINTING) != 0)
        return size * 0.7;
    return font->face->glyph->metrics.height / 64.0;
}

void drawtext(Canvas& canvas, CaptionFont* font, const std::string& text, double size, double x,
              double baseline, Rgba colour)
{
    setsize(font, size);
    double pen = x;
    for (unsigned char ch : text) {
        // The pen's fraction goes into the outline, so glyphs sit where the advances put them.
        const double whole = std::floor(pen);
        FT_Vector delta{static_cast<FT_Pos>(std::lround((pen - whole) * 64)), 0};
        FT_Set_Transform(font->face, nullptr, &delta);
        if (FT_Load_Char(font->face, ch, FT_LOAD_RENDER | FT_LOAD_NO_HINTING) != 0)
            continue;
        const FT_GlyphSlot glyph = font->face->glyph;
        const FT_Bitmap& bitmap = glyph->bitmap;
        const int left = static_cast<int>(whole) + glyph->bitmap_left;
        const int top = static_cast<int>(std::lround(baseline)) - glyph->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row)
            for (unsigned col = 0; col < bitmap.width; ++col) {
                const unsigned char v = bitmap.buffer[row * bitmap.pitch + col];
                blendpixel(canvas, left + static_cast<int>(col), top + static_cast<int>(row),
                           colour, v / 255.0);
            }
        pen += glyph->linearHoriAdvance / 65536.0;
    }
    FT_Set_Transform(font->face, nullptr, nullptr);
}

void drawcentred(Canvas& canvas, CaptionFont* font, const std::string& text, double size, Box box,
                 Rgba colour)
{
    const double x = (box.x0 + box.x1 - textwidth(font, text, size)) / 2;
    const double baseline = (box.y0 + box.y1 + capheight(font, size)) / 2;
    drawtext(canvas, font, text, size, x, baseline, colour);
}
