// Item colours: the slot of the entry's class, times the brightness, tinted by the entry's place
// in the table, clamped by the drawing colour.
#include <gtest/gtest.h>

#include "tests/board_helpers.h"

namespace nubo {
namespace {

struct Tint {
    int theme, cls, entry;
    float bright;
    Rgb want;
};

Rgb colourof(int entry) {
    fake::clearcalls();
    settacolore(entry);
    plat::fillrect(0, 0, 1, 1);
    return rgb(fake::calls().back());
}

TEST_F(Board, EntryColoursFollowClassBrightnessAndPlace) {
    const Tint cases[] = {
        {0, 1, 6, 1.0f, {255, 252, 50}},    // 262 clamped
        {0, 1, 13, 1.0f, {255, 252, 50}},
        {0, 3, 6, 1.0f, {122, 122, 122}},
        {0, 4, 0, 0.9f, {180, 63, 63}},
        {1, 1, 3, 0.8f, {173, 173, 80}},
        {1, 10, 5, 0.8f, {204, 204, 204}},  // class 10 takes no tint
        {0, 10, 4, 1.0f, {255, 255, 255}},
        {0, 2, 2, 1.0f, {130, 130, 214}},
        {0, 5, 6, 1.0f, {102, 102, 102}},
        {0, 6, 1, 1.0f, {70, 167, 70}},
        {0, 7, 6, 1.0f, {230, 150, 100}},
        {1, 8, 6, 1.0f, {162, 177, 162}},
        {1, 9, 6, 0.72f, {126, 136, 126}},
        {1, 3, 6, 0.1f, {1, 1, 1}},         // 19 - 18
        {0, 8, 6, 0.1f, {0, 0, 0}},         // 10 - 18, clamped at 0
    };
    for (const Tint& c : cases) {
        SCOPED_TRACE(testing::Message() << "theme " << c.theme << " class " << c.cls << " entry " << c.entry);
        colori = static_cast<unsigned char>(c.theme);
        settacolori();
        colore[c.entry] = c.cls;
        light = c.bright;
        EXPECT_EQ(colourof(c.entry), c.want);
    }
}

TEST_F(Board, AClassOutsideTheTenLeavesTheColourAsItWas) {
    for (int cls : {0, 11, 200, -3}) {
        colore[2] = cls;
        plat::setcolour(12, 34, 56);
        EXPECT_EQ(colourof(2), (Rgb{12, 34, 56})) << cls;
    }
}

TEST_F(Board, ThemesFillTheClearColourAndEverySlot) {
    colori = 1;
    settacolori();
    fake::clearcalls();
    plat::clearframe();
    EXPECT_EQ(rgb(fake::calls().back()), (Rgb{231, 244, 252}));
    EXPECT_EQ((Rgb{int(r[11]), int(g[11]), int(b[11])}), (Rgb{31, 162, 220}));
    colori = 0;
    settacolori();
    fake::clearcalls();
    plat::clearframe();
    EXPECT_EQ(rgb(fake::calls().back()), (Rgb{150, 150, 150}));
    EXPECT_EQ((Rgb{int(r[13]), int(g[13]), int(b[13])}), (Rgb{170, 170, 140}));
    EXPECT_EQ(r[0], 0.0f);
}

}  // namespace
}  // namespace nubo
