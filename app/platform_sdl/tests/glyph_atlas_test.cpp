#include "app/platform_sdl/glyph_atlas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

using sdlbackend::GlyphAtlas;
using sdlbackend::makeatlas;

namespace {

// The same font files the build embeds (Debian's fonts-inconsolata and fonts-cantarell).
const char* kmono = "/usr/share/fonts/truetype/inconsolata/Inconsolata.otf";
const char* kdual = "/usr/share/fonts/opentype/cantarell/Cantarell-Regular.otf";

std::vector<unsigned char> readfile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

GlyphAtlas atlasof(const char* path, int pixels) {
    std::vector<unsigned char> bytes = readfile(path);
    GlyphAtlas atlas;
    std::string error;
    EXPECT_FALSE(bytes.empty()) << path << " missing";
    EXPECT_TRUE(makeatlas(bytes.data(), bytes.size(), pixels, atlas, error)) << error;
    return atlas;
}

// Coverage at atlas pixel (x, y).
int coverage(const GlyphAtlas& a, int x, int y) {
    return a.rgba[(static_cast<std::size_t>(y) * a.width + x) * 4 + 3];
}

}  // namespace

TEST(GlyphAtlas, MonoAtTwentyAdvancesTenForEveryCharacter) {
    GlyphAtlas a = atlasof(kmono, 20);
    for (int code = 32; code < 256; code++) EXPECT_EQ(a.glyphs[code].advance, 10) << "code " << code;
    EXPECT_EQ(sdlbackend::textadvance(a, "Hello, world"), 120);
    EXPECT_GT(a.ascender, 10);
    EXPECT_LE(a.ascender, 20);
}

TEST(GlyphAtlas, DualIsProportionalAndCoversLatin1) {
    for (int pixels : {11, 14}) {
        GlyphAtlas a = atlasof(kdual, pixels);
        EXPECT_GT(a.glyphs['W'].advance, a.glyphs['i'].advance);
        EXPECT_GT(a.glyphs[' '].advance, 0);
        for (int code : {int{'A'}, int{'z'}, 0xE9, 0xC4, 0xDF, 0xF1})
            EXPECT_GT(a.glyphs[code].width * a.glyphs[code].height, 0) << "code " << code;
        EXPECT_EQ(sdlbackend::textadvance(a, "ab"), a.glyphs['a'].advance + a.glyphs['b'].advance);
    }
}

TEST(GlyphAtlas, ControlCodesAreEmpty) {
    GlyphAtlas a = atlasof(kmono, 20);
    for (int code = 0; code < 32; code++) {
        EXPECT_EQ(a.glyphs[code].advance, 0);
        EXPECT_EQ(a.glyphs[code].width, 0);
    }
    EXPECT_EQ(sdlbackend::textadvance(a, std::string("a\tb\n", 4)), 20);
}

TEST(GlyphAtlas, GlyphsLieInsideApartAndHoldTheirBitmaps) {
    GlyphAtlas a = atlasof(kdual, 14);
    ASSERT_EQ(a.rgba.size(), static_cast<std::size_t>(a.width) * a.height * 4);
    std::vector<int> owner(static_cast<std::size_t>(a.width) * a.height, -1);
    for (int code = 32; code < 256; code++) {
        const auto& g = a.glyphs[code];
        if (g.width == 0) continue;
        ASSERT_GE(g.atlasx, 1);
        ASSERT_GE(g.atlasy, 1);
        ASSERT_LE(g.atlasx + g.width + 1, a.width);
        ASSERT_LE(g.atlasy + g.height + 1, a.height);
        // the glyph and its one-pixel margin belong to it alone
        for (int y = g.atlasy - 1; y <= g.atlasy + g.height; y++)
            for (int x = g.atlasx - 1; x <= g.atlasx + g.width; x++) {
                bool margin = x < g.atlasx || y < g.atlasy || x == g.atlasx + g.width || y == g.atlasy + g.height;
                int& o = owner[static_cast<std::size_t>(y) * a.width + x];
                if (!margin) {
                    ASSERT_EQ(o, -1) << "code " << code << " overlaps " << o;
                    o = code;
                } else {
                    ASSERT_EQ(coverage(a, x, y), 0) << "margin of code " << code;
                }
            }
    }
    // 'l' is a tall stroke: every row of its bitmap is well covered somewhere
    const auto& l = a.glyphs['l'];
    EXPECT_GE(l.height, 9);
    for (int y = 0; y < l.height; y++) {
        int strongest = 0;
        for (int x = 0; x < l.width; x++) strongest = std::max(strongest, coverage(a, l.atlasx + x, l.atlasy + y));
        EXPECT_GT(strongest, 128) << "row " << y;
    }
    EXPECT_EQ(a.rgba[0], 255);
}

TEST(GlyphAtlas, UnreadableFontIsAnError) {
    const unsigned char junk[] = "definitely not a font";
    GlyphAtlas a;
    std::string error;
    EXPECT_FALSE(makeatlas(junk, sizeof junk, 20, a, error));
    EXPECT_FALSE(error.empty());
}
