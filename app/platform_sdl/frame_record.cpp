// Collects quads into runs: a plain quad joins whatever run is open, a textured quad opens a new
// run only when the open run already uses another texture.
#include "app/platform_sdl/frame_record.h"

#include <cstring>

namespace sdlbackend {

void FrameRecord::reset() {
    cleared = false;
    vertices.clear();
    runs.clear();
}

void FrameRecord::clear(Rgba colour) {
    reset();
    cleared = true;
    clearcolour = colour;
}

static Run& openrun(std::vector<Run>& runs, unsigned texture, int first) {
    if (runs.empty() || (texture != 0 && runs.back().texture != 0 && runs.back().texture != texture))
        runs.push_back(Run{texture, first, 0});
    else if (texture != 0)
        runs.back().texture = texture;
    return runs.back();
}

void FrameRecord::addrect(float x0, float y0, float x1, float y1, Rgba colour) {
    Run& run = openrun(runs, 0, static_cast<int>(vertices.size()));
    vertices.push_back({x0, y0, 0, 0, colour, 0});
    vertices.push_back({x1, y0, 0, 0, colour, 0});
    vertices.push_back({x1, y1, 0, 0, colour, 0});
    vertices.push_back({x0, y1, 0, 0, colour, 0});
    run.vertexcount += 4;
}

void FrameRecord::addquad(const float c[8], Rgba colour) {
    Run& run = openrun(runs, 0, static_cast<int>(vertices.size()));
    for (int i = 0; i < 4; i++) vertices.push_back({c[2 * i], c[2 * i + 1], 0, 0, colour, 0});
    run.vertexcount += 4;
}

void FrameRecord::addtextured(unsigned texture, float x0, float y0, float x1, float y1,
                              float u0, float v0, float u1, float v1, Rgba colour) {
    Run& run = openrun(runs, texture, static_cast<int>(vertices.size()));
    vertices.push_back({x0, y0, u0, v0, colour, 1});
    vertices.push_back({x1, y0, u1, v0, colour, 1});
    vertices.push_back({x1, y1, u1, v1, colour, 1});
    vertices.push_back({x0, y1, u0, v1, colour, 1});
    run.vertexcount += 4;
}

void FrameRecord::append(const FrameRecord& over) {
    int offset = static_cast<int>(vertices.size());
    vertices.insert(vertices.end(), over.vertices.begin(), over.vertices.end());
    for (Run run : over.runs) {
        run.firstvertex += offset;
        runs.push_back(run);
    }
}

static bool samebytes(const void* a, const void* b, std::size_t n) {
    return n == 0 || std::memcmp(a, b, n) == 0;
}

bool FrameRecord::samepicture(const FrameRecord& o) const {
    if (!cleared || !o.cleared) return false;
    if (std::memcmp(&clearcolour, &o.clearcolour, sizeof clearcolour) != 0) return false;
    if (vertices.size() != o.vertices.size() || runs.size() != o.runs.size()) return false;
    return samebytes(runs.data(), o.runs.data(), runs.size() * sizeof(Run)) &&
           samebytes(vertices.data(), o.vertices.data(), vertices.size() * sizeof(Vertex));
}

}  // namespace sdlbackend
