// The order in which a frame record's quads reach the GL. Recorded in drawing order, a busy board
// alternates plain fills, text and images hundreds of times, and each change of texture, program or
// blending is a separate draw call that a software renderer pays for. Quads that can touch no
// common pixel may be drawn in either order without changing a pixel, so the plan moves each quad
// as early as the quads it overlaps allow and draws quads of one kind and texture together.
#pragma once

#include <cstdint>
#include <vector>

#include "app/platform_sdl/frame_record.h"

namespace sdlbackend {

// How a quad is shaded. Plain quads need no texture; an opaque plain quad needs no blending
// either (its colour at alpha 1 blended over anything is the colour itself).
enum class QuadKind : std::uint8_t { opaque = 0, translucent = 1, textured = 2 };

QuadKind kindof(const Vertex& first);  // from a quad's first vertex

// The pixels a quad can touch: those whose centres lie in its bounding box (with a margin for the
// rasteriser's rounding), cut to the frame. Every corner not a finite number: the whole frame.
struct PixelBox {
    int x0 = 0, y0 = 0, x1 = -1, y1 = -1;  // inclusive
    bool empty() const { return x0 > x1 || y0 > y1; }
    bool meets(const PixelBox& o) const { return x0 <= o.x1 && o.x0 <= x1 && y0 <= o.y1 && o.y0 <= y1; }
};
PixelBox pixelbox(const Vertex* corners, int width, int height);

// A stretch of the plan's quads drawn by one draw call.
struct Batch {
    QuadKind kind = QuadKind::opaque;
    unsigned texture = 0;  // 0 unless textured
    int firstquad = 0;
    int quadcount = 0;
};

struct DrawPlan {
    std::vector<Vertex> vertices;  // the record's quads in drawing order; those off the frame left out
    std::vector<Batch> batches;
};

// Plans the drawing of records into a frame of a given size: two quads that can touch a common
// pixel keep their order, and quads are grouped into as few batches as that allows (nearly).
// Keeps its working storage, so that planning allocates nothing once frames stop growing.
class DrawPlanner {
public:
    const DrawPlan& plan(const FrameRecord& record, int width, int height);

private:
    struct Entry {  // a quad listed in a square of the grid
        PixelBox box;
        std::uint64_t state;
        int layer;
        int highest;  // highest layer among this entry and those before it in the square
    };
    void resize(int width, int height);
    int layerof(int quad);
    void enter(int quad);
    void emit(const FrameRecord& record, int layercount);

    int width = 0, height = 0, columns = 0, rows = 0;
    std::vector<std::vector<Entry>> cells;  // quads listed in each square of the grid, in order
    std::vector<PixelBox> boxes;
    std::vector<std::uint64_t> states;  // kind and texture of each quad as one number
    std::vector<int> layers;
    std::vector<int> bylayer, layerstart;     // quads grouped by layer; where each layer starts
    std::vector<std::uint64_t> layerstates;  // each layer's states, sorted, one layer after another
    std::vector<int> statestart;             // where each layer's states start
    std::vector<int> rank, rankstart, quadrank, scratch;
    DrawPlan result;
};

}  // namespace sdlbackend
