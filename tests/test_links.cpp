// Link lines: the three path shapes from the linked item to the box that holds the link.
#include <gtest/gtest.h>

#include "app/state.h"
#include "tests/board_helpers.h"

namespace nubo {
namespace {

struct Path {
    const char* name;
    Item linked, holder;
    std::vector<std::pair<float, float>> points;
};

std::vector<fake::Call> strokes(float width) {
    std::vector<fake::Call> out;
    for (const fake::Call& c : fake::callsof("line"))
        if (c.linewidth == width) out.push_back(c);
    return out;
}

TEST_F(Board, LinksTakeOneOfThreePaths) {
    const Path cases[] = {
        {"to a box right of the anchor", box(F + 2, F + 2, 115), box(F + 4, F + 4, 215),
         {{300, 140}, {316, 150}, {385, 230}, {400, 240}}},
        {"overlapping, same height", box(F + 1, F + 4, 100, 6), box(F + 3, F + 6, 100),
         {{326, 100}, {326, 88}, {585, 156}, {585, 144}}},
        {"overlapping, lower", box(F + 1, F + 4, 100, 6), box(F + 3, F + 6, 160),
         {{326, 143}, {326, 152}, {585, 150}, {585, 161}}},
        {"overlapping, higher, from a delay record", box(F + 1, F + 4, 100, 7), box(F + 3, F + 6, 60),
         {{326, 112}, {326, 100}, {575, 115}, {575, 104}}},
        {"linked item left of the window", box(F - 9, F - 5, 300, 6), box(F + 3, F + 3, 200),
         {{-1, 325}, {15, 315}, {285, 235}, {300, 225}}},
    };
    for (const Path& c : cases) {
        SCOPED_TRACE(c.name);
        Item holder = c.holder;
        holder.link = 0;
        show({c.linked, holder});
        const auto wide = strokes(3.0f);
        ASSERT_EQ(wide.size(), 3u);
        for (int k = 0; k < 3; k++) {
            EXPECT_EQ(wide[k].x, c.points[k].first);
            EXPECT_EQ(wide[k].y, c.points[k].second);
            EXPECT_EQ(wide[k].w, c.points[k + 1].first);
            EXPECT_EQ(wide[k].h, c.points[k + 1].second);
        }
    }
}

TEST_F(Board, TheInnerStrokeIsDrawnInFullDetailOnly) {
    Item holder = box(F + 4, F + 4, 215);
    holder.link = 0;
    show({box(F + 2, F + 2, 115, 6), holder});  // concluded: no extension, so the holder is entry 1
    const auto wide = strokes(3.0f);
    ASSERT_EQ(wide.size(), 3u);
    EXPECT_EQ(rgb(wide[0]), (Rgb{227, 217, 50}));  // entry 1's colour at 1.0
    int inner = 0;
    for (const fake::Call& c : fake::callsof("line"))
        if (c.linewidth == 1.0f && c.x == 300 && c.y == 140) {
            inner++;
            EXPECT_EQ(rgb(c), (Rgb{205, 196, 45}));  // at 0.9
        }
    EXPECT_EQ(inner, 1);

    dettagli = -1;
    show({box(F + 2, F + 2, 115, 6), holder});
    EXPECT_EQ(strokes(3.0f).size(), 3u);
    for (const fake::Call& c : fake::callsof("line")) EXPECT_FALSE(c.linewidth == 1.0f && c.x == 300 && c.y == 140);
}

TEST_F(Board, ALinkToNoLoadedItemIsNotFollowed) {
    for (int link : {2, 5000, capacita, capacita + 1}) {
        Item holder = box(F + 4, F + 4, 215);
        holder.link = link;
        show({box(F + 2, F + 2, 115), holder});
        EXPECT_TRUE(strokes(3.0f).empty()) << link;
    }
}

}  // namespace
}  // namespace nubo
