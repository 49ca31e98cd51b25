#include "app/platform_sdl/draw_order.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "app/platform_sdl/line_geometry.h"

using sdlbackend::Batch;
using sdlbackend::DrawPlan;
using sdlbackend::DrawPlanner;
using sdlbackend::FrameRecord;
using sdlbackend::kindof;
using sdlbackend::PixelBox;
using sdlbackend::pixelbox;
using sdlbackend::QuadKind;
using sdlbackend::Rgba;
using sdlbackend::Vertex;

namespace {

constexpr int kwidth = 1200, kheight = 720;
const Rgba solid{10, 20, 30, 255};
const Rgba seethrough{10, 20, 30, 128};
constexpr unsigned kfont = 3, kicon = 9;

PixelBox boxofrect(float x0, float y0, float x1, float y1) {
    FrameRecord f;
    f.addrect(x0, y0, x1, y1, solid);
    return pixelbox(f.vertices.data(), kwidth, kheight);
}

// A quad of the plan as it was recorded: quads are told apart by their texture coordinates.
int tagof(const Vertex* v) { return static_cast<int>(v->u); }

void addtagged(FrameRecord& f, int tag, int state, float x0, float y0, float x1, float y1) {
    // state 0 opaque, 1 translucent, 2.. textured with texture = state
    if (state == 0 || state == 1) {
        std::size_t first = f.vertices.size();
        f.addrect(x0, y0, x1, y1, state == 0 ? solid : seethrough);
        for (std::size_t i = first; i < f.vertices.size(); i++) f.vertices[i].u = static_cast<float>(tag);
    } else {
        f.addtextured(static_cast<unsigned>(state), x0, y0, x1, y1, static_cast<float>(tag), 0,
                      static_cast<float>(tag), 1, seethrough);
    }
}

// Checks what any plan must hold: every quad on the frame exactly once and unchanged, batches that
// share a state and follow each other, and every two quads that can touch a common pixel in their
// recorded order.
void checkplan(const FrameRecord& f, const DrawPlan& plan, int width = kwidth, int height = kheight) {
    int quads = f.quadcount();
    std::vector<int> position(static_cast<std::size_t>(quads), -1);
    ASSERT_EQ(plan.vertices.size() % 4, 0u);
    for (std::size_t q = 0; q < plan.vertices.size() / 4; q++) {
        int tag = tagof(&plan.vertices[q * 4]);
        ASSERT_GE(tag, 0);
        ASSERT_LT(tag, quads);
        ASSERT_EQ(position[tag], -1) << "quad " << tag << " twice";
        position[tag] = static_cast<int>(q);
        ASSERT_EQ(std::memcmp(&plan.vertices[q * 4], &f.vertices[static_cast<std::size_t>(tag) * 4], 4 * sizeof(Vertex)), 0)
            << "quad " << tag << " changed";
    }
    std::vector<PixelBox> boxes;
    for (int q = 0; q < quads; q++) {
        boxes.push_back(pixelbox(&f.vertices[static_cast<std::size_t>(q) * 4], width, height));
        EXPECT_EQ(position[q] >= 0, !boxes.back().empty()) << "quad " << q;
    }
    int next = 0;
    for (const Batch& b : plan.batches) {
        ASSERT_EQ(b.firstquad, next);
        ASSERT_GT(b.quadcount, 0);
        next += b.quadcount;
        for (int q = b.firstquad; q < b.firstquad + b.quadcount; q++) {
            const Vertex& v = plan.vertices[static_cast<std::size_t>(q) * 4];
            ASSERT_EQ(kindof(v), b.kind);
            if (b.kind != QuadKind::textured) continue;
            int tag = tagof(&v);
            unsigned texture = 0;
            for (const auto& run : f.runs) {
                if (tag * 4 >= run.firstvertex && tag * 4 < run.firstvertex + run.vertexcount) texture = run.texture;
            }
            ASSERT_EQ(b.texture, texture) << "quad " << tag;
        }
    }
    ASSERT_EQ(static_cast<std::size_t>(next) * 4, plan.vertices.size());
    for (int a = 0; a < quads; a++)
        for (int b = a + 1; b < quads; b++) {
            if (position[a] < 0 || position[b] < 0 || !boxes[a].meets(boxes[b])) continue;
            ASSERT_LT(position[a], position[b]) << "quads " << a << " and " << b << " overlap and swapped";
        }
}

}  // namespace

TEST(DrawOrder, KindFollowsTextureAndAlpha) {
    FrameRecord f;
    f.addrect(0, 0, 1, 1, solid);
    f.addrect(0, 0, 1, 1, seethrough);
    f.addtextured(kfont, 0, 0, 1, 1, 0, 0, 1, 1, solid);
    EXPECT_EQ(kindof(f.vertices[0]), QuadKind::opaque);
    EXPECT_EQ(kindof(f.vertices[4]), QuadKind::translucent);
    EXPECT_EQ(kindof(f.vertices[8]), QuadKind::textured);  // blended whatever its colour
}

TEST(DrawOrder, PixelBoxOfAWholePixelRectIsItsPixels) {
    PixelBox b = boxofrect(601, 16, 700, 719);
    EXPECT_EQ(b.x0, 601);
    EXPECT_EQ(b.x1, 699);
    EXPECT_EQ(b.y0, 16);
    EXPECT_EQ(b.y1, 718);
    // rects that share an edge share no pixel
    EXPECT_FALSE(boxofrect(0, 0, 10, 10).meets(boxofrect(10, 0, 20, 10)));
    EXPECT_FALSE(boxofrect(0, 0, 10, 10).meets(boxofrect(0, 10, 10, 20)));
    EXPECT_TRUE(boxofrect(0, 0, 10.6f, 10).meets(boxofrect(10, 0, 20, 10)));
}

TEST(DrawOrder, PixelBoxOfLinesAndTinyQuads) {
    float c[8];
    sdlbackend::linequad(10, 100, 20, 100, 1, c);  // pixels 10..20 of row 100
    FrameRecord f;
    f.addquad(c, solid);
    PixelBox b = pixelbox(f.vertices.data(), kwidth, kheight);
    EXPECT_EQ(b.x0, 10);
    EXPECT_EQ(b.x1, 20);
    EXPECT_EQ(b.y0, 100);
    EXPECT_EQ(b.y1, 100);
    // a quad between pixel centres can light none, but rounding might: kept, as one pixel wide
    PixelBox thin = boxofrect(5.5f, 5.5f, 5.5f, 9.5f);
    EXPECT_FALSE(thin.empty());
    EXPECT_EQ(thin.x0, 5);
    EXPECT_EQ(thin.x1, 5);
}

TEST(DrawOrder, PixelBoxIsCutToTheFrame) {
    EXPECT_TRUE(boxofrect(-50, -50, -1, 10).empty());
    EXPECT_TRUE(boxofrect(1200, 0, 1300, 10).empty());
    EXPECT_TRUE(boxofrect(0, 720, 10, 800).empty());
    PixelBox huge = boxofrect(-1e30f, -1e30f, 1e30f, 1e30f);
    EXPECT_EQ(huge.x0, 0);
    EXPECT_EQ(huge.x1, kwidth - 1);
    EXPECT_EQ(huge.y0, 0);
    EXPECT_EQ(huge.y1, kheight - 1);
    float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    PixelBox b = boxofrect(0, 0, nan, 5);
    EXPECT_EQ(b.x1, kwidth - 1);
    EXPECT_EQ(b.y1, kheight - 1);
    b = boxofrect(-inf, 0, 5, 5);
    EXPECT_EQ(b.x1, kwidth - 1);
}

TEST(DrawOrder, EmptyRecordHasNoBatches) {
    FrameRecord f;
    f.clear(solid);
    DrawPlanner planner;
    const DrawPlan& plan = planner.plan(f, kwidth, kheight);
    EXPECT_TRUE(plan.vertices.empty());
    EXPECT_TRUE(plan.batches.empty());
}

TEST(DrawOrder, QuadsOffTheFrameAreLeftOut) {
    FrameRecord f;
    addtagged(f, 0, 0, 10, 10, 20, 20);
    addtagged(f, 1, kfont, -100, 10, -10, 20);
    addtagged(f, 2, 0, 10, 800, 20, 900);
    DrawPlanner planner;
    const DrawPlan& plan = planner.plan(f, kwidth, kheight);
    checkplan(f, plan);
    ASSERT_EQ(plan.batches.size(), 1u);
    EXPECT_EQ(plan.batches[0].quadcount, 1);
}

// Twenty entries side by side, each a box, two lines of text and an icon over it and a label box
// below: recorded, they alternate state a hundred times; planned, one batch per state.
TEST(DrawOrder, BoardOfSeparateEntriesNeedsOneBatchPerState) {
    FrameRecord f;
    f.clear(solid);
    int tag = 0;
    for (int e = 0; e < 20; e++) {
        float x = 10.0f + 55.0f * e;
        addtagged(f, tag++, 0, x, 100, x + 50, 140);
        for (int line = 0; line < 2; line++)
            for (int c = 0; c < 6; c++)
                addtagged(f, tag++, kfont, x + 2 + 6 * c, 102 + 12.0f * line, x + 7 + 6 * c, 111 + 12.0f * line);
        addtagged(f, tag++, kicon, x + 38, 102, x + 48, 112);
        addtagged(f, tag++, 0, x, 145, x + 50, 155);
        addtagged(f, tag++, kfont, x + 2, 146, x + 7, 154);
    }
    DrawPlanner planner;
    const DrawPlan& plan = planner.plan(f, kwidth, kheight);
    checkplan(f, plan);
    ASSERT_EQ(plan.batches.size(), 3u);
    EXPECT_EQ(plan.batches[0].kind, QuadKind::opaque);
    EXPECT_EQ(plan.batches[0].quadcount, 40);
}

TEST(DrawOrder, OverlapsKeepTheirOrderAcrossStates) {
    FrameRecord f;
    addtagged(f, 0, 0, 0, 0, 100, 100);      // box
    addtagged(f, 1, kfont, 10, 10, 20, 20);  // text on it
    addtagged(f, 2, 0, 15, 15, 30, 30);      // a box over the text
    addtagged(f, 3, kfont, 16, 16, 25, 25);  // text over that box
    addtagged(f, 4, kfont, 50, 50, 60, 60);  // text on the first box only
    DrawPlanner planner;
    const DrawPlan& plan = planner.plan(f, kwidth, kheight);
    checkplan(f, plan);
    // box, text (1 and 4), box, text
    ASSERT_EQ(plan.batches.size(), 4u);
    EXPECT_EQ(plan.batches[1].quadcount, 2);
}

// A state the next layer also has comes last in its layer, so that the two join into one batch.
TEST(DrawOrder, BatchesJoinAcrossLayers) {
    FrameRecord f;
    addtagged(f, 0, 0, 0, 0, 100, 100);      // layer 0: box
    addtagged(f, 1, kfont, 10, 10, 20, 20);  // layer 1: text on the box
    addtagged(f, 2, kicon, 60, 60, 70, 70);  // layer 1: icon on the box
    addtagged(f, 3, kicon, 15, 15, 25, 25);  // layer 2: icon over the text
    DrawPlanner planner;
    const DrawPlan& plan = planner.plan(f, kwidth, kheight);
    checkplan(f, plan);
    ASSERT_EQ(plan.batches.size(), 3u);
    EXPECT_EQ(plan.batches[2].texture, kicon);
    EXPECT_EQ(plan.batches[2].quadcount, 2);
}

TEST(DrawOrder, TranslucentPlainQuadsAreApartFromOpaqueOnes) {
    FrameRecord f;
    addtagged(f, 0, 0, 0, 0, 10, 10);
    addtagged(f, 1, 1, 20, 0, 30, 10);
    addtagged(f, 2, 0, 40, 0, 50, 10);
    DrawPlanner planner;
    const DrawPlan& plan = planner.plan(f, kwidth, kheight);
    checkplan(f, plan);
    ASSERT_EQ(plan.batches.size(), 2u);
}

// A square of the grid holding more quads than are read one by one: a quad over a tall stack of
// alternating states, with a hundred small quads beside the stack entered since.
TEST(DrawOrder, CrowdedSquareKeepsTheStackInOrder) {
    FrameRecord f;
    int tag = 0;
    for (int i = 0; i < 11; i++) addtagged(f, tag++, i % 2 ? kicon : kfont, 0, 0, 1, 1);
    for (int i = 0; i < 100; i++) addtagged(f, tag++, 0, static_cast<float>(2 + i % 25), static_cast<float>(2 + i / 25), static_cast<float>(3 + i % 25), static_cast<float>(3 + i / 25));
    addtagged(f, tag++, kicon, 0, 0, 1, 1);
    addtagged(f, tag++, kfont, 0, 0, 1, 1);
    DrawPlanner planner;
    checkplan(f, planner.plan(f, kwidth, kheight));
}

// Random frames: small and large quads, lines, all states, many on one spot (past the length a
// grid square is read to), off the frame; planned again with the same planner at another size.
TEST(DrawOrder, RandomFramesKeepEveryOverlapInOrder) {
    std::mt19937 random(308);
    DrawPlanner planner;
    for (int round = 0; round < 40; round++) {
        FrameRecord f;
        int quads = 50 + static_cast<int>(random() % 400);
        std::uniform_real_distribution<float> x(-40, kwidth + 40), y(-40, kheight + 40), size(0, 30), wide(0, 700);
        for (int q = 0; q < quads; q++) {
            int state = static_cast<int>(random() % 6);
            float x0 = x(random), y0 = y(random);
            if (round % 4 == 1) x0 = 100 + static_cast<float>(random() % 20), y0 = 100 + static_cast<float>(random() % 20);
            float w = random() % 10 == 0 ? wide(random) : size(random), h = random() % 10 == 0 ? wide(random) : size(random);
            if (random() % 8 == 0) {
                float c[8];
                sdlbackend::linequad(x0, y0, x0 + w, y0 + h, 1 + static_cast<float>(random() % 3), c);
                std::size_t first = f.vertices.size();
                f.addquad(c, random() % 2 ? solid : seethrough);
                for (std::size_t i = first; i < f.vertices.size(); i++) f.vertices[i].u = static_cast<float>(q);
            } else {
                addtagged(f, q, state, x0, y0, x0 + w, y0 + h);
            }
        }
        int width = round % 3 == 2 ? 640 : kwidth, height = round % 3 == 2 ? 480 : kheight;
        const DrawPlan& plan = planner.plan(f, width, height);
        checkplan(f, plan, width, height);
        if (HasFatalFailure()) {
            ADD_FAILURE() << "round " << round;
            return;
        }
    }
}

TEST(DrawOrder, PlanningTwiceGivesTheSamePlan) {
    FrameRecord f;
    for (int q = 0; q < 200; q++) addtagged(f, q, q % 4, static_cast<float>((q * 37) % 1100), static_cast<float>((q * 53) % 700), static_cast<float>((q * 37) % 1100 + 40), static_cast<float>((q * 53) % 700 + 25));
    DrawPlanner planner;
    DrawPlan first = planner.plan(f, kwidth, kheight);
    const DrawPlan& second = planner.plan(f, kwidth, kheight);
    ASSERT_EQ(first.vertices.size(), second.vertices.size());
    EXPECT_EQ(std::memcmp(first.vertices.data(), second.vertices.data(), first.vertices.size() * sizeof(Vertex)), 0);
    ASSERT_EQ(first.batches.size(), second.batches.size());
    checkplan(f, second);
}
