#include "app/platform_sdl/frame_record.h"

#include <gtest/gtest.h>

using sdlbackend::FrameRecord;
using sdlbackend::Rgba;

namespace {
const Rgba grey{150, 150, 150, 255};
const Rgba red{255, 0, 0, 255};
}  // namespace

TEST(FrameRecord, PlainQuadsShareTheRunOfAnyTexture) {
    FrameRecord f;
    f.addrect(0, 0, 10, 10, red);
    f.addtextured(7, 0, 0, 5, 5, 0, 0, 1, 1, red);
    f.addrect(1, 1, 2, 2, red);
    f.addtextured(7, 3, 3, 4, 4, 0, 0, 1, 1, red);
    ASSERT_EQ(f.runs.size(), 1u);
    EXPECT_EQ(f.runs[0].texture, 7u);
    EXPECT_EQ(f.runs[0].vertexcount, 16);
}

TEST(FrameRecord, TextureChangeOpensRun) {
    FrameRecord f;
    f.addtextured(7, 0, 0, 5, 5, 0, 0, 1, 1, red);
    f.addtextured(8, 0, 0, 5, 5, 0, 0, 1, 1, red);
    f.addrect(0, 0, 1, 1, red);
    f.addtextured(7, 0, 0, 5, 5, 0, 0, 1, 1, red);
    ASSERT_EQ(f.runs.size(), 3u);
    EXPECT_EQ(f.runs[0].texture, 7u);
    EXPECT_EQ(f.runs[1].texture, 8u);
    EXPECT_EQ(f.runs[1].vertexcount, 8);
    EXPECT_EQ(f.runs[2].firstvertex, 12);
    EXPECT_EQ(f.runs[2].vertexcount, 4);
}

TEST(FrameRecord, RectCornersAndColour) {
    FrameRecord f;
    f.addrect(601, 16, 700, 720, Rgba{170, 170, 140, 255});
    ASSERT_EQ(f.vertices.size(), 4u);
    EXPECT_EQ(f.vertices[0].x, 601);
    EXPECT_EQ(f.vertices[0].y, 16);
    EXPECT_EQ(f.vertices[2].x, 700);
    EXPECT_EQ(f.vertices[2].y, 720);
    EXPECT_EQ(f.vertices[1].colour.b, 140);
    EXPECT_EQ(f.vertices[3].textured, 0.0f);
}

TEST(FrameRecord, ClearDropsWhatCameBefore) {
    FrameRecord f;
    f.addrect(0, 0, 10, 10, red);
    f.clear(grey);
    EXPECT_TRUE(f.cleared);
    EXPECT_TRUE(f.vertices.empty());
    EXPECT_TRUE(f.runs.empty());
    EXPECT_FALSE(f.empty());
}

TEST(FrameRecord, SamePictureNeedsClearAndEqualContent) {
    FrameRecord a, b;
    a.clear(grey), b.clear(grey);
    a.addrect(0, 0, 10, 10, red), b.addrect(0, 0, 10, 10, red);
    EXPECT_TRUE(a.samepicture(b));

    b.vertices[2].x = 11;
    EXPECT_FALSE(a.samepicture(b));

    FrameRecord c;
    c.clear(Rgba{151, 150, 150, 255});
    c.addrect(0, 0, 10, 10, red);
    EXPECT_FALSE(a.samepicture(c));

    FrameRecord overlay;  // drawn over the last picture: never the same as anything
    overlay.addrect(0, 0, 10, 10, red);
    EXPECT_FALSE(overlay.samepicture(overlay));
}

TEST(FrameRecord, SameQuadsInOtherTextureRunsDiffer) {
    FrameRecord a, b;
    a.clear(grey), b.clear(grey);
    a.addtextured(7, 0, 0, 5, 5, 0, 0, 1, 1, red);
    b.addtextured(8, 0, 0, 5, 5, 0, 0, 1, 1, red);
    EXPECT_FALSE(a.samepicture(b));
}

TEST(FrameRecord, ResetKeepsStorage) {
    FrameRecord f;
    for (int i = 0; i < 1000; i++) f.addrect(0, 0, 1, 1, red);
    auto capacity = f.vertices.capacity();
    f.reset();
    EXPECT_TRUE(f.empty());
    EXPECT_EQ(f.vertices.capacity(), capacity);
}

TEST(FrameRecord, AppendedOverlayKeepsItsRunsAfterThePicture) {
    FrameRecord picture, overlay;
    picture.clear(grey);
    picture.addtextured(7, 0, 0, 5, 5, 0, 0, 1, 1, red);
    overlay.addrect(1, 1, 2, 2, red);
    overlay.addtextured(8, 3, 3, 4, 4, 0, 0, 1, 1, red);
    picture.append(overlay);
    EXPECT_TRUE(picture.cleared);
    ASSERT_EQ(picture.vertices.size(), 12u);
    EXPECT_EQ(picture.vertices[4].x, 1);
    ASSERT_EQ(picture.runs.size(), 2u);
    EXPECT_EQ(picture.runs[1].texture, 8u);
    EXPECT_EQ(picture.runs[1].firstvertex, 4);
    EXPECT_EQ(picture.runs[1].vertexcount, 8);
}
