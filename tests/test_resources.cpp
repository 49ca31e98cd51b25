// The embedded files: every name the loaders ask for is there, and each file's header says
// what the program relies on (image sizes and pixel layout, sound format and length, fonts).
#include "app/embedded.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <stdexcept>
#include <string>

namespace {

std::uint32_t be32(const unsigned char* p)
{
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}
std::uint16_t be16(const unsigned char* p) { return std::uint16_t(p[0] << 8 | p[1]); }
std::uint32_t le32(const unsigned char* p)
{
    return std::uint32_t(p[3]) << 24 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
}
std::uint16_t le16(const unsigned char* p) { return std::uint16_t(p[1] << 8 | p[0]); }
std::int16_t sample(const unsigned char* p) { return static_cast<std::int16_t>(le16(p)); }
std::string tag(const unsigned char* p) { return std::string(reinterpret_cast<const char*>(p), 4); }

const EmbeddedFile& mustfind(const std::string& name)
{
    const EmbeddedFile* file = findembedded(name);
    if (!file)
        throw std::runtime_error(name + " is not embedded");
    return *file;
}

// ---- images ---------------------------------------------------------------------------------

enum PngColour : int { grey = 0, rgb = 2, rgba = 6 };

struct ImageCase {
    const char* name;
    std::uint32_t width, height;
    PngColour colour;
};

const ImageCase images[] = {
    {"inseri.png", 135, 32, rgb},   {"modif.png", 135, 32, rgb},      {"conclu.png", 135, 32, rgb},
    {"colle.png", 135, 32, rgb},    {"sposta.png", 135, 32, rgb},     {"copia.png", 135, 32, grey},
    {"incolla.png", 135, 32, rgb},  {"confe.png", 130, 50, rgb},      {"annulla.png", 130, 32, rgb},
    {"su.png", 40, 17, rgba},       {"giu.png", 40, 17, rgba},        {"settings.png", 40, 40, rgba},
    {"move.png", 100, 44, rgba},    {"home.png", 45, 45, rgba},       {"close.png", 100, 82, rgba},
    {"example.png", 135, 44, rgba}, {"freccina.png", 30, 9, rgba},    {"rita.png", 21, 13, rgba},
    {"f0.png", 50, 50, rgba},       {"f1.png", 50, 50, rgba},         {"f2.png", 50, 50, rgba},
    {"f3.png", 50, 50, rgba},       {"f4.png", 50, 50, rgba},         {"f5.png", 50, 50, rgba},
    {"f6.png", 50, 50, rgba},       {"f7.png", 50, 50, rgba},         {"f8.png", 50, 50, rgba},
    {"f9.png", 50, 50, rgba},       {"f10.png", 50, 50, rgba},
};

class EmbeddedImage : public testing::TestWithParam<ImageCase> {};

TEST_P(EmbeddedImage, HeaderGivesSizeAndPixelLayout)
{
    const ImageCase& c = GetParam();
    const EmbeddedFile& file = mustfind(c.name);
    ASSERT_GT(file.size, 8u + 25 + 12);
    const unsigned char* d = file.data;
    const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    ASSERT_TRUE(std::equal(signature, signature + 8, d));
    // IHDR is the first chunk: length 13, then width, height, depth, colour type, ..., interlace.
    EXPECT_EQ(be32(d + 8), 13u);
    EXPECT_EQ(tag(d + 12), "IHDR");
    EXPECT_EQ(be32(d + 16), c.width);
    EXPECT_EQ(be32(d + 20), c.height);
    EXPECT_EQ(d[24], 8) << "bits per channel";
    EXPECT_EQ(d[25], c.colour) << "colour type";
    EXPECT_EQ(d[28], 0) << "interlace";
    // A whole file ends with an empty IEND chunk.
    EXPECT_EQ(tag(d + file.size - 8), "IEND");
    EXPECT_EQ(be32(d + file.size - 12), 0u);
}

INSTANTIATE_TEST_SUITE_P(Resources, EmbeddedImage, testing::ValuesIn(images),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             return name.substr(0, name.find('.'));
                         });

// ---- sounds ---------------------------------------------------------------------------------

struct SoundCase {
    const char* name;
    std::uint32_t samples;
};

const SoundCase sounds[] = {{"suono1.wav", 261}, {"suono2.wav", 3679}, {"suono3.wav", 5519}};

class EmbeddedSound : public testing::TestWithParam<SoundCase> {};

TEST_P(EmbeddedSound, IsMono16BitPcmOfExactLength)
{
    const SoundCase& c = GetParam();
    const EmbeddedFile& file = mustfind(c.name);
    ASSERT_EQ(file.size, 44 + 2 * c.samples);
    const unsigned char* d = file.data;
    EXPECT_EQ(tag(d), "RIFF");
    EXPECT_EQ(le32(d + 4), file.size - 8);
    EXPECT_EQ(tag(d + 8), "WAVE");
    EXPECT_EQ(tag(d + 12), "fmt ");
    EXPECT_EQ(le32(d + 16), 16u);
    EXPECT_EQ(le16(d + 20), 1) << "PCM";
    EXPECT_EQ(le16(d + 22), 1) << "channels";
    EXPECT_EQ(le32(d + 24), 22050u) << "sample rate";
    EXPECT_EQ(le32(d + 28), 44100u) << "bytes per second";
    EXPECT_EQ(le16(d + 32), 2) << "block align";
    EXPECT_EQ(le16(d + 34), 16) << "bits per sample";
    EXPECT_EQ(tag(d + 36), "data");
    EXPECT_EQ(le32(d + 40), 2 * c.samples);
}

TEST_P(EmbeddedSound, IsAudibleAndStartsAndEndsWithoutAPop)
{
    const SoundCase& c = GetParam();
    const EmbeddedFile& file = mustfind(c.name);
    ASSERT_EQ(file.size, 44 + 2 * c.samples);
    const unsigned char* samples = file.data + 44;
    int peak = 0;
    for (std::uint32_t i = 0; i < c.samples; ++i)
        peak = std::max(peak, std::abs(int(sample(samples + 2 * i))));
    EXPECT_GT(peak, 4000);
    EXPECT_LT(std::abs(int(sample(samples))), 300);
    EXPECT_LT(std::abs(int(sample(samples + 2 * (c.samples - 1)))), 300);
}

INSTANTIATE_TEST_SUITE_P(Resources, EmbeddedSound, testing::ValuesIn(sounds),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             return name.substr(0, name.find('.'));
                         });

// ---- fonts ----------------------------------------------------------------------------------

// Offset of an sfnt table, or 0 when the font has none of that tag.
std::uint32_t sfnttable(const EmbeddedFile& font, const std::string& wanted)
{
    const std::uint16_t count = be16(font.data + 4);
    for (std::uint16_t i = 0; i < count; ++i) {
        const std::size_t entry = 12 + 16u * i;
        if (entry + 16 > font.size)
            return 0;
        if (tag(font.data + entry) == wanted)
            return be32(font.data + entry + 8);
    }
    return 0;
}

struct FontCase {
    const char* name;
    bool cffoutlines;  // OpenType with CFF outlines rather than TrueType glyphs required
};

const FontCase fonts[] = {{"mono.dll", false}, {"dual.dll", true}};

class EmbeddedFont : public testing::TestWithParam<FontCase> {};

TEST_P(EmbeddedFont, IsAnSfntFontWithCharacterMap)
{
    const FontCase& c = GetParam();
    const EmbeddedFile& font = mustfind(c.name);
    ASSERT_GT(font.size, 1000u);
    const std::string signature = tag(font.data);
    if (c.cffoutlines) {
        EXPECT_EQ(signature, "OTTO");
        EXPECT_NE(sfnttable(font, "CFF "), 0u);
    } else {
        EXPECT_TRUE(signature == "OTTO" || signature == "true" || be32(font.data) == 0x00010000)
            << signature;
    }
    for (const char* table : {"cmap", "head", "hhea", "hmtx"}) {
        const std::uint32_t offset = sfnttable(font, table);
        EXPECT_NE(offset, 0u) << table;
        EXPECT_LT(offset, font.size) << table;
    }
}

INSTANTIATE_TEST_SUITE_P(Resources, EmbeddedFont, testing::ValuesIn(fonts),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             return name.substr(0, name.find('.'));
                         });

// The editor moves its cursor 10 pixels per character of the 20-pixel monospaced font.
TEST(EmbeddedMonoFont, AdvancesTenPixelsAtTwentyPixels)
{
    const EmbeddedFile& font = mustfind("mono.dll");
    const std::uint32_t head = sfnttable(font, "head"), hhea = sfnttable(font, "hhea");
    ASSERT_TRUE(head && hhea && head + 54 <= font.size && hhea + 36 <= font.size);
    const double unitsperem = be16(font.data + head + 18);
    const double widest = be16(font.data + hhea + 10);
    EXPECT_NEAR(widest * 20 / unitsperem, 10.0, 0.3);
}

// ---- lookup ---------------------------------------------------------------------------------

TEST(EmbeddedLookup, ListsExactlyTheProgramsFiles)
{
    std::set<std::string> expected = {"mono.dll", "dual.dll"};
    for (const ImageCase& c : images)
        expected.insert(c.name);
    for (const SoundCase& c : sounds)
        expected.insert(c.name);

    std::set<std::string> listed;
    for (int i = 0; i < embeddedcount(); ++i) {
        const EmbeddedFile& file = embeddedfile(i);
        EXPECT_TRUE(listed.insert(file.name).second) << file.name << " listed twice";
        EXPECT_EQ(findembedded(file.name), &file) << file.name;
    }
    EXPECT_EQ(listed, expected);
}

TEST(EmbeddedLookup, UnknownNamesFindNothing)
{
    for (const char* name : {"", "INSERI.PNG", "inseri", "inseri.png ", "f11.png", "mono"})
        EXPECT_EQ(findembedded(name), nullptr) << '"' << name << '"';
}

}  // namespace
