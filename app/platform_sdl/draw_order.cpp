// Layers: a quad's layer is the highest over the earlier quads it overlaps of their layer, plus one
// when their kind or texture differs from its own. Two overlapping quads then either share a layer
// and a state, and keep their order inside that state's batch, or lie in layers drawn in their
// order. Drawing layer after layer, and inside a layer state after state, keeps every overlapping
// pair in order. A grid of squares lists the quads touching each square, so that a quad is compared
// only with quads near it, newest first.
#include "app/platform_sdl/draw_order.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace sdlbackend {

namespace {

constexpr int cellsize = 32;      // pixels a side of a grid square
constexpr int longestscan = 64;   // entries read in one square before assuming the worst of the rest
// Edges are snapped to a fraction of a pixel by the rasteriser: widen boxes by more than that.
constexpr double margin = 1.0 / 64;

std::uint64_t stateof(QuadKind kind, unsigned texture) {
    return (static_cast<std::uint64_t>(texture) << 2) | static_cast<std::uint64_t>(kind);
}
QuadKind kindofstate(std::uint64_t state) { return static_cast<QuadKind>(state & 3); }
unsigned textureofstate(std::uint64_t state) { return static_cast<unsigned>(state >> 2); }

// First and last pixel whose centre (p + 0.5) lies in [lo, hi], cut to 0..size-1. Bounds are
// clamped first, so that the integer conversions are exact (ceil and floor by hand: they are
// library calls on the baseline instruction set).
void pixelspan(double lo, double hi, int size, int& first, int& last) {
    double a = std::clamp(lo - 0.5 - margin, -1.0, static_cast<double>(size));
    double b = std::clamp(hi - 0.5 + margin, -1.0, static_cast<double>(size));
    int i = static_cast<int>(a), j = static_cast<int>(b);
    if (i < a) i++;
    if (j > b) j--;
    first = std::max(i, 0);
    last = std::min(j, size - 1);
}

}  // namespace

QuadKind kindof(const Vertex& first) {
    if (first.textured != 0) return QuadKind::textured;
    return first.colour.a == 255 ? QuadKind::opaque : QuadKind::translucent;
}

PixelBox pixelbox(const Vertex* c, int width, int height) {
    PixelBox box;
    double x0 = c[0].x, x1 = c[0].x, y0 = c[0].y, y1 = c[0].y;
    bool finite = true;
    for (int i = 0; i < 4; i++) {
        finite = finite && std::isfinite(c[i].x) && std::isfinite(c[i].y);
        x0 = std::min(x0, static_cast<double>(c[i].x)), x1 = std::max(x1, static_cast<double>(c[i].x));
        y0 = std::min(y0, static_cast<double>(c[i].y)), y1 = std::max(y1, static_cast<double>(c[i].y));
    }
    if (!finite) return PixelBox{0, 0, width - 1, height - 1};
    pixelspan(x0, x1, width, box.x0, box.x1);
    pixelspan(y0, y1, height, box.y0, box.y1);
    return box;
}

void DrawPlanner::resize(int w, int h) {
    width = std::max(w, 1), height = std::max(h, 1);
    columns = (width + cellsize - 1) / cellsize;
    rows = (height + cellsize - 1) / cellsize;
    cells.resize(static_cast<std::size_t>(columns) * rows);
}

// A quad met again in another square gives the same answer again: no need to skip it.
int DrawPlanner::layerof(int q) {
    const PixelBox& box = boxes[q];
    std::uint64_t state = states[q];
    int best = 0;
    for (int cy = box.y0 / cellsize; cy <= box.y1 / cellsize; cy++)
        for (int cx = box.x0 / cellsize; cx <= box.x1 / cellsize; cx++) {
            const std::vector<Entry>& cell = cells[static_cast<std::size_t>(cy) * columns + cx];
            int read = 0;
            for (auto e = cell.rbegin(); e != cell.rend(); ++e) {
                if (e->highest + 1 <= best) break;  // nothing older in this square can raise it
                if (++read > longestscan) {
                    best = e->highest + 1;  // as if the rest overlapped and differed
                    break;
                }
                if (e->box.meets(box)) best = std::max(best, e->layer + (e->state != state ? 1 : 0));
            }
        }
    return best;
}

void DrawPlanner::enter(int q) {
    const PixelBox& box = boxes[q];
    for (int cy = box.y0 / cellsize; cy <= box.y1 / cellsize; cy++)
        for (int cx = box.x0 / cellsize; cx <= box.x1 / cellsize; cx++) {
            std::vector<Entry>& cell = cells[static_cast<std::size_t>(cy) * columns + cx];
            int highest = cell.empty() ? layers[q] : std::max(cell.back().highest, layers[q]);
            cell.push_back(Entry{box, states[q], layers[q], highest});
        }
}

const DrawPlan& DrawPlanner::plan(const FrameRecord& record, int w, int h) {
    if (w != width || h != height || cells.empty()) resize(w, h);
    int quads = record.quadcount();
    boxes.resize(static_cast<std::size_t>(quads));
    states.assign(static_cast<std::size_t>(quads), 0);
    layers.assign(static_cast<std::size_t>(quads), -1);  // -1: touches no pixel of the frame
    for (const Run& run : record.runs)
        for (int q = run.firstvertex / 4; q < (run.firstvertex + run.vertexcount) / 4; q++) {
            QuadKind kind = kindof(record.vertices[static_cast<std::size_t>(q) * 4]);
            states[q] = stateof(kind, kind == QuadKind::textured ? run.texture : 0);
        }
    int layercount = 0;
    for (int q = 0; q < quads; q++) {
        boxes[q] = pixelbox(&record.vertices[static_cast<std::size_t>(q) * 4], width, height);
        if (boxes[q].empty()) continue;
        layers[q] = layerof(q);
        layercount = std::max(layercount, layers[q] + 1);
        enter(q);
    }
    for (std::vector<Entry>& cell : cells) cell.clear();
    emit(record, layercount);
    return result;
}

// Quads layer by layer; inside a layer one batch per state, starting with the state the previous
// layer ended with and ending with one the next layer has, so that batches join across layers.
void DrawPlanner::emit(const FrameRecord& record, int layercount) {
    result.batches.clear();
    int quads = static_cast<int>(layers.size());
    // the quads of each layer, in their order
    layerstart.assign(static_cast<std::size_t>(layercount) + 1, 0);
    for (int q = 0; q < quads; q++)
        if (layers[q] >= 0) layerstart[layers[q] + 1]++;
    for (int l = 0; l < layercount; l++) layerstart[l + 1] += layerstart[l];
    bylayer.resize(static_cast<std::size_t>(layerstart[layercount]));
    result.vertices.resize(bylayer.size() * 4);
    int placed = 0;  // quads copied into the plan
    scratch.assign(layerstart.begin(), layerstart.end() - 1);
    for (int q = 0; q < quads; q++)
        if (layers[q] >= 0) bylayer[scratch[layers[q]]++] = q;

    // the states of each layer, sorted
    layerstates.clear();
    statestart.assign(static_cast<std::size_t>(layercount) + 1, 0);
    for (int l = 0; l < layercount; l++) {
        auto from = static_cast<std::ptrdiff_t>(layerstates.size());
        for (int i = layerstart[l]; i < layerstart[l + 1]; i++) layerstates.push_back(states[bylayer[i]]);
        std::sort(layerstates.begin() + from, layerstates.end());
        layerstates.erase(std::unique(layerstates.begin() + from, layerstates.end()), layerstates.end());
        statestart[l + 1] = static_cast<int>(layerstates.size());
    }
    auto indexin = [&](int l, std::uint64_t s) {  // index of state s among layer l's, or -1
        if (l >= layercount) return -1;
        auto b = layerstates.begin() + statestart[l], e = layerstates.begin() + statestart[l + 1];
        auto i = std::lower_bound(b, e, s);
        return i != e && *i == s ? static_cast<int>(i - layerstates.begin()) : -1;
    };

    for (int l = 0; l < layercount; l++) {
        int first = statestart[l], count = statestart[l + 1] - first;
        // rank of each of the layer's states in the drawing order
        int opening = result.batches.empty() ? -1 : indexin(l, stateof(result.batches.back().kind, result.batches.back().texture));
        int closing = -1;
        for (int i = first; i < first + count && count > 1 && closing < 0; i++)
            if (i != opening && indexin(l + 1, layerstates[i]) >= 0) closing = i;
        rank.resize(static_cast<std::size_t>(count));
        int next = 0;
        if (opening >= 0) rank[opening - first] = next++;
        for (int i = first; i < first + count; i++)
            if (i != opening && i != closing) rank[i - first] = next++;
        if (closing >= 0) rank[closing - first] = next++;
        // the layer's quads by rank, in their order inside a rank
        int size = layerstart[l + 1] - layerstart[l];
        quadrank.resize(static_cast<std::size_t>(size));
        rankstart.assign(static_cast<std::size_t>(count) + 1, 0);
        for (int i = 0; i < size; i++) {
            quadrank[i] = rank[indexin(l, states[bylayer[layerstart[l] + i]]) - first];
            rankstart[quadrank[i] + 1]++;
        }
        for (int r = 0; r < count; r++) rankstart[r + 1] += rankstart[r];
        scratch.resize(static_cast<std::size_t>(size));
        for (int i = 0; i < size; i++) scratch[rankstart[quadrank[i]]++] = bylayer[layerstart[l] + i];
        for (int q : scratch) {
            QuadKind kind = kindofstate(states[q]);
            unsigned texture = textureofstate(states[q]);
            if (result.batches.empty() || result.batches.back().kind != kind || result.batches.back().texture != texture)
                result.batches.push_back(Batch{kind, texture, placed, 0});
            result.batches.back().quadcount++;
            std::memcpy(&result.vertices[static_cast<std::size_t>(placed) * 4],
                        &record.vertices[static_cast<std::size_t>(q) * 4], 4 * sizeof(Vertex));
            placed++;
        }
    }
}

}  // namespace sdlbackend
