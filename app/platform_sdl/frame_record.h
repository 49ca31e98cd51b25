// What has been drawn since the frame target was last updated, as data: a possible clear, then
// quads in runs that share one texture. The renderer draws a record with one vertex upload and a
// few draw calls (draw_order.h); two records that start with the same clear and hold the same
// quads make the same picture, which lets an unchanged frame skip rendering.
#pragma once

#include <cstdint>
#include <vector>

namespace sdlbackend {

struct Rgba {
    std::uint8_t r = 255, g = 255, b = 255, a = 255;
};

struct Vertex {
    float x, y;         // pixels, y down
    float u, v;         // texture coordinates
    Rgba colour;        // multiplies the texture
    float textured;     // 0: plain colour, 1: colour times texture
};
static_assert(sizeof(Vertex) == 24, "vertices are compared byte for byte");

// A stretch of quads drawn with one texture (0 while only plain quads are in it).
struct Run {
    unsigned texture = 0;
    int firstvertex = 0;
    int vertexcount = 0;
};

struct FrameRecord {
    bool cleared = false;  // starts by filling the whole target with `clearcolour`
    Rgba clearcolour;
    std::vector<Vertex> vertices;  // 4 per quad, corners in order around it
    std::vector<Run> runs;

    void reset();                     // empty, keeping the storage
    void clear(Rgba colour);          // drops what was collected; the record now starts with a clear
    bool empty() const { return !cleared && vertices.empty(); }
    int quadcount() const { return static_cast<int>(vertices.size() / 4); }

    void addrect(float x0, float y0, float x1, float y1, Rgba colour);
    void addquad(const float corners[8], Rgba colour);
    void addtextured(unsigned texture, float x0, float y0, float x1, float y1,
                     float u0, float v0, float u1, float v1, Rgba colour);

    // Adds the quads of a record drawn over this one (which must not start with a clear), so that
    // this record alone draws both.
    void append(const FrameRecord& over);

    bool samepicture(const FrameRecord& other) const;  // both start with a clear, same content
};

}  // namespace sdlbackend
