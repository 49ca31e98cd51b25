// Drawing state and the shapes and images of app/platform.h, collected into the batch.
#include <algorithm>
#include <cmath>

#include "app/platform.h"
#include "app/platform_sdl/batch.h"
#include "app/platform_sdl/draw_state.h"
#include "app/platform_sdl/images.h"
#include "app/platform_sdl/line_geometry.h"

namespace sdlbackend {
DrawState drawstate;
}

namespace plat {

using sdlbackend::batch;
using sdlbackend::batchroom;
using sdlbackend::drawstate;

static sdlbackend::Rgba clearcolour{0, 0, 0, 255};

static std::uint8_t channel(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

void setclearcolour(int r, int g, int b) { clearcolour = {channel(r), channel(g), channel(b), 255}; }

void clearframe() { sdlbackend::batchclear(clearcolour); }

void setcolour(int r, int g, int b) {
    drawstate.colour.r = channel(r), drawstate.colour.g = channel(g), drawstate.colour.b = channel(b);
}

void setalpha(float alpha) {
    float a = std::isnan(alpha) ? 1.0f : std::clamp(alpha, 0.0f, 1.0f);
    drawstate.colour.a = static_cast<std::uint8_t>(std::lround(a * 255.0f));
}

void setscale(float x, float y) { drawstate.scalex = x, drawstate.scaley = y; }

void setlinewidth(float width) { drawstate.linewidth = width; }

// The renderer always blends by alpha; drawing opaque pixels at alpha 1 is the same as drawing solid.
void setblendalpha() {}

void fillrect(float x, float y, float w, float h) {
    batchroom();
    batch().addrect(x, y, x + w, y + h, drawstate.colour);
}

void drawline(float x1, float y1, float x2, float y2) {
    float corners[8];
    sdlbackend::linequad(x1, y1, x2, y2, drawstate.linewidth, corners);
    batchroom();
    batch().addquad(corners, drawstate.colour);
}

void drawimage(Image image, float x, float y) {
    const sdlbackend::LoadedImage* loaded = sdlbackend::findimage(image.id);
    if (!loaded) return;
    // Whole-pixel corners keep unscaled images sharp under linear filtering.
    float x0 = std::floor(x + 0.5f), y0 = std::floor(y + 0.5f);
    float x1 = x0 + static_cast<float>(loaded->width) * drawstate.scalex;
    float y1 = y0 + static_cast<float>(loaded->height) * drawstate.scaley;
    batchroom();
    batch().addtextured(loaded->texture, x0, y0, x1, y1, 0, 0, 1, 1, drawstate.colour);
}

}  // namespace plat
