// A line is drawn as the quad that covers exactly the pixels a Bresenham line with square ends
// would light: pixel centres are at +0.5, and each end reaches half a pixel beyond its centre.
#include "app/platform_sdl/line_geometry.h"

#include <cmath>

namespace sdlbackend {

void linequad(float x1, float y1, float x2, float y2, float width, float corners[8]) {
    float ax = x1 + 0.5f, ay = y1 + 0.5f, bx = x2 + 0.5f, by = y2 + 0.5f;
    float dx = bx - ax, dy = by - ay;
    float len = std::sqrt(dx * dx + dy * dy);
    if (len > 0.0f) {
        dx /= len, dy /= len;
    } else {
        dx = 1.0f, dy = 0.0f;
    }
    // half a pixel past each end, half the width to each side
    ax -= dx * 0.5f, ay -= dy * 0.5f;
    bx += dx * 0.5f, by += dy * 0.5f;
    float nx = -dy * width * 0.5f, ny = dx * width * 0.5f;
    corners[0] = ax + nx, corners[1] = ay + ny;
    corners[2] = bx + nx, corners[3] = by + ny;
    corners[4] = bx - nx, corners[5] = by - ny;
    corners[6] = ax - nx, corners[7] = ay - ny;
}

}  // namespace sdlbackend
