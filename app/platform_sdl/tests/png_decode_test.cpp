#include "app/platform_sdl/png_decode.h"

#include <gtest/gtest.h>
#include <png.h>

#include <csetjmp>
#include <vector>

using sdlbackend::decodepng;
using sdlbackend::Picture;

namespace {

struct TestPng {
    int width = 0, height = 0;
    int colourtype = PNG_COLOR_TYPE_RGB;
    int bitdepth = 8;
    std::vector<unsigned char> pixels;  // packed rows as libpng expects them
    std::vector<png_color> palette;
    std::vector<unsigned char> transparency;  // tRNS for palettes
    bool interlaced = false;
};

TestPng testpng(int width, int height, int colourtype, int bitdepth, std::vector<unsigned char> pixels) {
    TestPng s;
    s.width = width, s.height = height, s.colourtype = colourtype, s.bitdepth = bitdepth;
    s.pixels = std::move(pixels);
    return s;
}

void appendbytes(png_structp png, png_bytep data, png_size_t n) {
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + n);
}

std::vector<unsigned char> encode(const TestPng& s) {
    std::vector<unsigned char> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        ADD_FAILURE() << "test PNG could not be written";
        return {};
    }
    png_set_write_fn(png, &out, appendbytes, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(s.width), static_cast<png_uint_32>(s.height), s.bitdepth,
                 s.colourtype, s.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!s.palette.empty()) png_set_PLTE(png, info, s.palette.data(), static_cast<int>(s.palette.size()));
    if (!s.transparency.empty())
        png_set_tRNS(png, info, s.transparency.data(), static_cast<int>(s.transparency.size()), nullptr);
    png_write_info(png, info);
    if (s.bitdepth == 16) png_set_swap(png);  // rows below are given little-endian
    std::size_t rowbytes = s.pixels.size() / static_cast<std::size_t>(s.height);
    std::vector<png_bytep> rows;
    for (int y = 0; y < s.height; y++)
        rows.push_back(const_cast<png_bytep>(s.pixels.data()) + rowbytes * static_cast<std::size_t>(y));
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

Picture decoded(const TestPng& s) {
    std::vector<unsigned char> bytes = encode(s);
    Picture p;
    std::string error;
    EXPECT_TRUE(decodepng(bytes.data(), bytes.size(), p, error)) << error;
    return p;
}

std::vector<int> pixel(const Picture& p, int x, int y) {
    const unsigned char* q = &p.rgba[(static_cast<std::size_t>(y) * p.width + x) * 4];
    return {q[0], q[1], q[2], q[3]};
}

using V = std::vector<int>;

}  // namespace

TEST(PngDecode, RgbBlackBecomesTransparentOnlyWhenPure) {
    TestPng s = testpng(3, 1, PNG_COLOR_TYPE_RGB, 8, {0, 0, 0, 0, 0, 1, 200, 100, 50});
    Picture p = decoded(s);
    ASSERT_EQ(p.width, 3);
    ASSERT_EQ(p.height, 1);
    EXPECT_EQ(pixel(p, 0, 0), (V{0, 0, 0, 0}));
    EXPECT_EQ(pixel(p, 1, 0), (V{0, 0, 1, 255}));
    EXPECT_EQ(pixel(p, 2, 0), (V{200, 100, 50, 255}));
}

TEST(PngDecode, AlphaChannelKeepsOpaqueBlack) {
    TestPng s = testpng(2, 1, PNG_COLOR_TYPE_RGBA, 8, {0, 0, 0, 255, 10, 20, 30, 128});
    Picture p = decoded(s);
    EXPECT_EQ(pixel(p, 0, 0), (V{0, 0, 0, 255}));
    EXPECT_EQ(pixel(p, 1, 0), (V{10, 20, 30, 128}));
}

TEST(PngDecode, GreyIsSpreadToRgbAndBlackKeyed) {
    TestPng s = testpng(2, 2, PNG_COLOR_TYPE_GRAY, 8, {0, 77, 255, 1});
    Picture p = decoded(s);
    EXPECT_EQ(pixel(p, 0, 0), (V{0, 0, 0, 0}));
    EXPECT_EQ(pixel(p, 1, 0), (V{77, 77, 77, 255}));
    EXPECT_EQ(pixel(p, 0, 1), (V{255, 255, 255, 255}));
    EXPECT_EQ(pixel(p, 1, 1), (V{1, 1, 1, 255}));
}

TEST(PngDecode, OneBitGreyExpands) {
    TestPng s = testpng(8, 1, PNG_COLOR_TYPE_GRAY, 1, {0xA0});  // 1 0 1 0 0 0 0 0
    Picture p = decoded(s);
    EXPECT_EQ(pixel(p, 0, 0), (V{255, 255, 255, 255}));
    EXPECT_EQ(pixel(p, 1, 0), (V{0, 0, 0, 0}));
    EXPECT_EQ(pixel(p, 2, 0), (V{255, 255, 255, 255}));
}

TEST(PngDecode, PaletteWithoutTransparencyIsBlackKeyed) {
    TestPng s = testpng(2, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 1});
    s.palette = {{0, 0, 0}, {9, 8, 7}};
    Picture p = decoded(s);
    EXPECT_EQ(pixel(p, 0, 0), (V{0, 0, 0, 0}));
    EXPECT_EQ(pixel(p, 1, 0), (V{9, 8, 7, 255}));
}

TEST(PngDecode, PaletteWithTransparencyCountsAsAlpha) {
    TestPng s = testpng(3, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 1, 2});
    s.palette = {{0, 0, 0}, {9, 8, 7}, {1, 2, 3}};
    s.transparency = {255, 0, 100};
    Picture p = decoded(s);
    EXPECT_EQ(pixel(p, 0, 0), (V{0, 0, 0, 255}));  // opaque black stays
    EXPECT_EQ(pixel(p, 1, 0)[3], 0);
    EXPECT_EQ(pixel(p, 2, 0), (V{1, 2, 3, 100}));
}

TEST(PngDecode, SixteenBitsScaleToEight) {
    // little-endian 16-bit samples: (0xFFFF, 0x8080, 0) and pure black
    TestPng s = testpng(2, 1, PNG_COLOR_TYPE_RGB, 16, {0xFF, 0xFF, 0x80, 0x80, 0, 0, 0, 0, 0, 0, 0, 0});
    Picture p = decoded(s);
    EXPECT_EQ(pixel(p, 0, 0), (V{255, 128, 0, 255}));
    EXPECT_EQ(pixel(p, 1, 0), (V{0, 0, 0, 0}));
}

TEST(PngDecode, InterlacedMatchesPlain) {
    TestPng s = testpng(9, 7, PNG_COLOR_TYPE_RGB, 8, {});
    for (int i = 0; i < 9 * 7 * 3; i++) s.pixels.push_back(static_cast<unsigned char>(i * 37 + 1));
    Picture plain = decoded(s);
    s.interlaced = true;
    Picture interlaced = decoded(s);
    EXPECT_EQ(plain.rgba, interlaced.rgba);
    int first = (6 * 9 + 8) * 3;  // bytes of the last pixel
    EXPECT_EQ(pixel(plain, 8, 6), (V{(first * 37 + 1) & 255, ((first + 1) * 37 + 1) & 255,
                                     ((first + 2) * 37 + 1) & 255, 255}));
}

TEST(PngDecode, BadBytesGiveAnErrorNotACrash) {
    TestPng s = testpng(4, 4, PNG_COLOR_TYPE_RGB, 8, std::vector<unsigned char>(48, 90));
    std::vector<unsigned char> bytes = encode(s);
    Picture p;
    std::string error;
    for (std::size_t cut : {std::size_t{0}, std::size_t{7}, std::size_t{20}, bytes.size() / 2, bytes.size() - 13}) {
        EXPECT_FALSE(decodepng(bytes.data(), cut, p, error)) << "cut at " << cut;
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(p.rgba.empty());
    }
    std::vector<unsigned char> damaged = bytes;
    damaged[bytes.size() / 2] ^= 0x55;  // breaks a CRC or the compressed data
    EXPECT_FALSE(decodepng(damaged.data(), damaged.size(), p, error));
    const unsigned char text[] = "GIF89a this is not a png at all";
    EXPECT_FALSE(decodepng(text, sizeof text, p, error));
    EXPECT_FALSE(decodepng(nullptr, 0, p, error));
}
