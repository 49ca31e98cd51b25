#include "app/platform_sdl/line_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Box {
    float left, top, right, bottom;
};

Box bounds(const float c[8]) {
    Box b{c[0], c[1], c[0], c[1]};
    for (int i = 0; i < 4; i++) {
        b.left = std::min(b.left, c[2 * i]), b.right = std::max(b.right, c[2 * i]);
        b.top = std::min(b.top, c[2 * i + 1]), b.bottom = std::max(b.bottom, c[2 * i + 1]);
    }
    return b;
}

// Pixels whose centres lie inside an axis-aligned box: first..last column and row.
void expectpixels(const Box& b, int firstx, int lastx, int firsty, int lasty) {
    EXPECT_FLOAT_EQ(b.left, static_cast<float>(firstx));
    EXPECT_FLOAT_EQ(b.right, static_cast<float>(lastx + 1));
    EXPECT_FLOAT_EQ(b.top, static_cast<float>(firsty));
    EXPECT_FLOAT_EQ(b.bottom, static_cast<float>(lasty + 1));
}

}  // namespace

TEST(LineGeometry, HorizontalLineIncludesBothEnds) {
    float c[8];
    sdlbackend::linequad(0, 15, 1200, 15, 1, c);
    expectpixels(bounds(c), 0, 1200, 15, 15);
}

TEST(LineGeometry, VerticalLineStaysInItsColumn) {
    float c[8];
    sdlbackend::linequad(100, 0, 100, 720, 1, c);
    expectpixels(bounds(c), 100, 100, 0, 720);
}

TEST(LineGeometry, ReversedLineCoversTheSamePixels) {
    float c[8];
    sdlbackend::linequad(1200, 15, 0, 15, 1, c);
    expectpixels(bounds(c), 0, 1200, 15, 15);
}

TEST(LineGeometry, WideLineIsCentredOnItsPixels) {
    float c[8];
    sdlbackend::linequad(10, 15, 20, 15, 3, c);
    expectpixels(bounds(c), 10, 20, 14, 16);
    sdlbackend::linequad(40, 5, 40, 9, 3, c);
    expectpixels(bounds(c), 39, 41, 5, 9);
}

TEST(LineGeometry, PointIsItsPixel) {
    float c[8];
    sdlbackend::linequad(7, 8, 7, 8, 1, c);
    expectpixels(bounds(c), 7, 7, 8, 8);
}

TEST(LineGeometry, DiagonalReachesPastBothEndCentres) {
    float c[8];
    sdlbackend::linequad(0, 0, 10, 10, 1, c);
    // The quad's middle line runs from half a pixel before (0.5,0.5) to half a pixel past (10.5,10.5).
    float midstartx = (c[0] + c[6]) / 2, midstarty = (c[1] + c[7]) / 2;
    float midendx = (c[2] + c[4]) / 2, midendy = (c[3] + c[5]) / 2;
    EXPECT_NEAR(midstartx, 0.5f - 0.35355f, 1e-4);
    EXPECT_NEAR(midstarty, 0.5f - 0.35355f, 1e-4);
    EXPECT_NEAR(midendx, 10.5f + 0.35355f, 1e-4);
    EXPECT_NEAR(midendy, 10.5f + 0.35355f, 1e-4);
}
