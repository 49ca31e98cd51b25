// The frame keeper against surfaces that record what each one shows: whatever path a frame takes
// (straight into the window, over the picture, through the target), the window must show the
// picture the program drew.
#include "app/platform_sdl/frame_keeper.h"

#include <gtest/gtest.h>

#include <vector>

using sdlbackend::FrameKeeper;
using sdlbackend::FrameRecord;
using sdlbackend::Rgba;

namespace {

const Rgba grey{150, 150, 150, 255};
const Rgba black{0, 0, 0, 255};
const Rgba red{255, 0, 0, 255};

// A surface's content: its clear colour and, in order, the left edge of each quad drawn since.
struct Content {
    int clear = -1;  // red channel of the clear colour; -1: nothing defined
    std::vector<float> quads;
    bool operator==(const Content& o) const { return clear == o.clear && quads == o.quads; }
};

void drawinto(Content& c, const FrameRecord& r) {
    if (r.cleared) c = Content{r.clearcolour.r, {}};
    for (std::size_t i = 0; i < r.vertices.size(); i += 4) c.quads.push_back(r.vertices[i].x);
}

struct Surfaces : sdlbackend::FrameSurfaces {
    Content window, target;
    bool targetmade = false;
    int targetdraws = 0, blits = 0;
    int width = 0, height = 0;
    bool windowreliedonoldcontent = false;

    void settarget(int w, int h) override { width = w, height = h, targetmade = false; }
    void drawwindow(const FrameRecord& r) override {
        // The back buffer holds nothing defined after a swap: only whole pictures may go there.
        if (!r.cleared) windowreliedonoldcontent = true;
        drawinto(window, r);
    }
    void drawtarget(const FrameRecord& r) override {
        if (!targetmade) target = Content{black.r, {}}, targetmade = true;
        drawinto(target, r);
        targetdraws++;
    }
    void blittarget(int, int) override {
        ASSERT_TRUE(targetmade);
        window = target;
        blits++;
    }
};

// What the program drew: the clear colour and quads of the picture.
Content picture(int clear, std::vector<float> quads) { return Content{clear, quads}; }

void addquads(FrameRecord& f, std::vector<float> xs) {
    for (float x : xs) f.addrect(x, 0, x + 1, 1, red);
}

struct FrameKeeperTest : ::testing::Test {
    Surfaces s;
    FrameKeeper k{s, 16};  // 16 vertices: 4 quads at most in a record

    Content shown(int w = 100, int h = 50) {
        s.window = Content{};  // the back buffer after a swap
        k.present(w, h);
        return s.window;
    }
};

TEST_F(FrameKeeperTest, ClearedFramesGoStraightToTheWindow) {
    k.resize(100, 50);
    EXPECT_EQ(shown(), picture(0, {}));
    k.collected().clear(grey);
    addquads(k.collected(), {1, 2});
    EXPECT_TRUE(k.render());
    EXPECT_EQ(shown(), picture(150, {1, 2}));
    EXPECT_EQ(shown(), picture(150, {1, 2}));  // shown again, e.g. when uncovered
    EXPECT_EQ(s.targetdraws, 0);
    EXPECT_FALSE(s.windowreliedonoldcontent);
}

TEST_F(FrameKeeperTest, SameClearedFrameIsNoChange) {
    k.resize(100, 50);
    for (int pass = 0; pass < 2; pass++) {
        k.collected().clear(grey);
        addquads(k.collected(), {1, 2});
        EXPECT_EQ(k.render(), pass == 0);
    }
    k.collected().clear(grey);
    addquads(k.collected(), {1, 3});
    EXPECT_TRUE(k.render());
    EXPECT_FALSE(k.render());  // nothing collected
    EXPECT_EQ(shown(), picture(150, {1, 3}));
}

TEST_F(FrameKeeperTest, FramesDrawnOverThePictureAddToIt) {
    k.resize(100, 50);
    k.collected().clear(grey);
    addquads(k.collected(), {1});
    k.render();
    addquads(k.collected(), {2});
    EXPECT_TRUE(k.render());
    addquads(k.collected(), {3});
    EXPECT_TRUE(k.render());
    EXPECT_EQ(shown(), picture(150, {1, 2, 3}));
    EXPECT_EQ(s.targetdraws, 0);
    // The same cleared frame as before the overlays is a change again.
    k.collected().clear(grey);
    addquads(k.collected(), {1});
    EXPECT_TRUE(k.render());
    EXPECT_EQ(shown(), picture(150, {1}));
    EXPECT_FALSE(s.windowreliedonoldcontent);
}

TEST_F(FrameKeeperTest, PictureBeyondTheLimitGoesThroughTheTargetUntilTheNextClear) {
    k.resize(100, 50);
    k.collected().clear(grey);
    addquads(k.collected(), {1, 2, 3});
    k.render();
    addquads(k.collected(), {4, 5});  // 5 quads: more than one record may hold
    EXPECT_TRUE(k.render());
    EXPECT_TRUE(s.targetmade);
    addquads(k.collected(), {6});
    EXPECT_TRUE(k.render());
    EXPECT_EQ(shown(), picture(150, {1, 2, 3, 4, 5, 6}));
    EXPECT_GT(s.blits, 0);

    int draws = s.targetdraws;
    k.collected().clear(grey);
    addquads(k.collected(), {7});
    EXPECT_TRUE(k.render());
    EXPECT_EQ(shown(), picture(150, {7}));
    EXPECT_EQ(s.targetdraws, draws);
    EXPECT_FALSE(s.windowreliedonoldcontent);
}

TEST_F(FrameKeeperTest, ALongRunOfFramesDrawnOverGoesThroughTheTarget) {
    k.resize(100, 50);
    k.collected().clear(grey);
    addquads(k.collected(), {1});
    k.render();
    for (float x = 2; x <= 3; x++) {
        addquads(k.collected(), {x});
        k.render();
    }
    EXPECT_FALSE(s.targetmade);
    addquads(k.collected(), {4});  // the third frame drawn over: the run is long
    k.render();
    EXPECT_TRUE(s.targetmade);
    const int draws = s.targetdraws;
    for (float x = 5; x <= 9; x++) {
        addquads(k.collected(), {x});
        k.render();
    }
    EXPECT_EQ(s.targetdraws, draws + 5);  // each pass draws only itself
    EXPECT_EQ(shown(), picture(150, {1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_FALSE(s.windowreliedonoldcontent);
}

TEST_F(FrameKeeperTest, OverfullFrameIsRenderedInParts) {
    k.resize(100, 50);
    k.collected().clear(grey);
    for (float x = 1; x <= 10; x++) {
        k.room();
        addquads(k.collected(), {x});
    }
    EXPECT_TRUE(k.render());
    EXPECT_EQ(shown(), picture(150, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    // Rendered early with nothing collected after it: still a change.
    k.collected().clear(grey);
    for (float x = 1; x <= 4; x++) {
        k.room();
        addquads(k.collected(), {x});
    }
    k.room();
    EXPECT_TRUE(k.render());
    EXPECT_EQ(shown(), picture(150, {1, 2, 3, 4}));
}

TEST_F(FrameKeeperTest, DrawableOfAnotherSizeIsFedFromTheTarget) {
    k.resize(100, 50);
    k.collected().clear(grey);
    addquads(k.collected(), {1});
    k.render();
    EXPECT_EQ(shown(200, 100), picture(150, {1}));
    EXPECT_EQ(s.blits, 1);
    addquads(k.collected(), {2});
    k.render();
    EXPECT_EQ(shown(200, 100), picture(150, {1, 2}));
    EXPECT_EQ(shown(100, 50), picture(150, {1, 2}));
}

TEST_F(FrameKeeperTest, ResizeForgetsThePicture) {
    k.resize(100, 50);
    k.collected().clear(grey);
    addquads(k.collected(), {1, 2, 3});
    k.render();
    addquads(k.collected(), {4, 5});
    k.render();  // now in the target
    k.resize(120, 60);
    EXPECT_FALSE(s.targetmade);
    EXPECT_EQ(s.width, 120);
    EXPECT_EQ(shown(120, 60), picture(0, {}));
    addquads(k.collected(), {9});
    k.render();
    EXPECT_EQ(shown(120, 60), picture(0, {9}));
}

}  // namespace
