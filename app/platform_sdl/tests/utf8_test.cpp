#include "app/platform_sdl/utf8.h"

#include <gtest/gtest.h>

using sdlbackend::latin1toutf8;
using sdlbackend::utf8tolatin1;

TEST(Utf8, LatinCharactersBecomeTheirCodes) {
    EXPECT_EQ(utf8tolatin1("Caf\xC3\xA9 \xC3\xBF\xC2\xA0"), "Caf\xE9 \xFF\xA0");
    EXPECT_EQ(utf8tolatin1("plain ascii ~"), "plain ascii ~");
}

TEST(Utf8, CharactersAbove255AreDropped) {
    EXPECT_EQ(utf8tolatin1("5\xE2\x82\xAC!"), "5!");            // euro sign
    EXPECT_EQ(utf8tolatin1("a\xE6\x97\xA5" "b"), "ab");        // CJK
    EXPECT_EQ(utf8tolatin1("x\xF0\x9F\x98\x80y"), "xy");        // emoji, 4 bytes
    EXPECT_EQ(utf8tolatin1("\xC4\x80"), "");                    // U+0100, the first one too high
}

TEST(Utf8, BytesThatAreNotUtf8AreLatin1) {
    EXPECT_EQ(utf8tolatin1("caf\xE9"), "caf\xE9");              // lone Latin-1 byte at the end
    EXPECT_EQ(utf8tolatin1("\xE9t\xE9"), "\xE9t\xE9");          // lead byte followed by ASCII
    EXPECT_EQ(utf8tolatin1("\x80\xBF"), "\x80\xBF");            // stray continuations
    EXPECT_EQ(utf8tolatin1("\xC0\xAF"), "\xC0\xAF");            // overlong '/'
    EXPECT_EQ(utf8tolatin1("\xED\xA0\x80"), "\xED\xA0\x80");    // surrogate
    EXPECT_EQ(utf8tolatin1("\xF4\x90\x80\x80"), "\xF4\x90\x80\x80");  // above U+10FFFF
    EXPECT_EQ(utf8tolatin1("\xE2\x82"), "\xE2\x82");            // cut sequence
}

TEST(Utf8, EveryByteRoundTrips) {
    std::string all;
    for (int i = 1; i < 256; i++) all.push_back(static_cast<char>(i));
    std::string utf8 = latin1toutf8(all);
    EXPECT_EQ(utf8.size(), 127u + 2u * 128u);
    EXPECT_EQ(utf8tolatin1(utf8), all);
}

TEST(Utf8, EncodesHighBytesAsTwoBytes) {
    EXPECT_EQ(latin1toutf8("\xE9\xFF"), "\xC3\xA9\xC3\xBF");
    EXPECT_EQ(latin1toutf8("\x80"), "\xC2\x80");
}

TEST(Utf8, HugeTextConvertsWhole) {
    std::string text;
    for (int i = 0; i < 4'000'000; i++) text.push_back(static_cast<char>(i % 200 + 32));
    EXPECT_EQ(utf8tolatin1(latin1toutf8(text)), text);
}

TEST(Utf8, DecodeReportsLength) {
    std::uint32_t cp = 0;
    const unsigned char euro[] = {0xE2, 0x82, 0xAC};
    EXPECT_EQ(sdlbackend::decodeutf8(euro, 3, cp), 3u);
    EXPECT_EQ(cp, 0x20ACu);
    EXPECT_EQ(sdlbackend::decodeutf8(euro, 2, cp), 0u);
    EXPECT_EQ(sdlbackend::decodeutf8(euro, 0, cp), 0u);
}
