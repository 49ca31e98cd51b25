// plat fonts and text: each font is rasterised once into an atlas texture at load; drawing a text
// adds one textured quad per visible character.
#include <cmath>
#include <memory>
#include <vector>

#include "app/embedded.h"
#include "app/platform.h"
#include "app/platform_sdl/batch.h"
#include "app/platform_sdl/draw_state.h"
#include "app/platform_sdl/gl_objects.h"
#include "app/platform_sdl/glyph_atlas.h"

namespace {

struct LoadedFont {
    sdlbackend::GlyphAtlas atlas;
    unsigned texture = 0;
};

std::vector<std::unique_ptr<LoadedFont>> fonts;

const LoadedFont* currentfont() {
    int id = sdlbackend::drawstate.font;
    if (id < 0 || id >= static_cast<int>(fonts.size())) return nullptr;
    return fonts[static_cast<std::size_t>(id)].get();
}

}  // namespace

namespace plat {

Font loadfont(const std::string& name, int pixels) {
    const EmbeddedFile* file = findembedded(name);
    if (!file) {
        errorline("nubo platform: no embedded font \"" + name + "\"");
        return Font{};
    }
    auto font = std::make_unique<LoadedFont>();
    std::string error;
    if (!sdlbackend::makeatlas(file->data, file->size, pixels, font->atlas, error)) {
        errorline("nubo platform: font \"" + name + "\" unusable: " + error);
        return Font{};
    }
    font->texture = sdlbackend::maketexture(font->atlas.rgba.data(), font->atlas.width, font->atlas.height);
    std::vector<unsigned char>().swap(font->atlas.rgba);  // the texture holds the pixels now
    fonts.push_back(std::move(font));
    return Font{static_cast<int>(fonts.size()) - 1};
}

void setfont(Font font) { sdlbackend::drawstate.font = font.id; }

void drawtext(const std::string& text, float x, float y) {
    const LoadedFont* font = currentfont();
    if (!font) return;
    const sdlbackend::GlyphAtlas& atlas = font->atlas;
    const sdlbackend::DrawState& state = sdlbackend::drawstate;
    // Whole-pixel origin: glyph texels then meet screen pixels exactly and unscaled text stays crisp.
    float ox = std::floor(x + 0.5f), oy = std::floor(y + 0.5f);
    float invw = 1.0f / static_cast<float>(atlas.width), invh = 1.0f / static_cast<float>(atlas.height);
    int pen = 0;
    for (char c : text) {
        const sdlbackend::Glyph& g = atlas.glyphs[static_cast<unsigned char>(c)];
        if (g.width > 0 && g.height > 0) {
            float gx = static_cast<float>(pen + g.left), gy = static_cast<float>(atlas.ascender - g.top);
            float x0 = ox + gx * state.scalex, y0 = oy + gy * state.scaley;
            float x1 = x0 + static_cast<float>(g.width) * state.scalex;
            float y1 = y0 + static_cast<float>(g.height) * state.scaley;
            float u0 = static_cast<float>(g.atlasx) * invw, v0 = static_cast<float>(g.atlasy) * invh;
            float u1 = static_cast<float>(g.atlasx + g.width) * invw, v1 = static_cast<float>(g.atlasy + g.height) * invh;
            sdlbackend::batchroom();
            sdlbackend::batch().addtextured(font->texture, x0, y0, x1, y1, u0, v0, u1, v1, state.colour);
        }
        pen += g.advance;
    }
}

int textwidth(const std::string& text) {
    const LoadedFont* font = currentfont();
    return font ? sdlbackend::textadvance(font->atlas, text) : 0;
}

}  // namespace plat
