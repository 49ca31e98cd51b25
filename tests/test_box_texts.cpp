// Box texts fitted to their box. The test backend's text is 5.5 px a character at 11 px, so a line
// of n characters is n * 11 / 2 px wide.
#include <gtest/gtest.h>

#include "app/state.h"
#include "tests/board_helpers.h"

namespace nubo {
namespace {

struct Fit {
    const char* name;
    Item item;
    int chars;         // length of line 1
    std::string drawn;  // what is drawn: the line, or its cut padded with blanks
    float x, scale;
};

std::string line(int n) {
    std::string s;
    for (int i = 0; i < n; i++) s += static_cast<char>('a' + i % 26);
    return s;
}

TEST_F(Board, LinesAreDrawnWholeOrCutAndScaledToTheBox) {
    const float one = (50 + 100 / 2.2f) / (24 * 11 / 2);
    const float two = (100 + 100 / 2.2f) / (33 * 11 / 2);
    const float narrow = (25 + 100 / 2.2f) / (16 * 11 / 2);
    const Fit cases[] = {
        {"one day, 60 px", box(T, T), 11, line(11), 603, 1},
        {"one day, 66 px", box(T, T), 12, line(12) + std::string(12, ' '), 603, one},
        {"one day, very long", box(T, T), 40, line(24), 603, one},
        {"two days, 126 px", box(T, T + 1), 23, line(23), 628, 1},
        {"two days, 132 px", box(T, T + 1), 24, line(24) + std::string(9, ' '), 628, two},
        {"first column only", box(T - 20, F), 20, line(16), 3, narrow},
        {"three days, 253 px runs past the box", box(T, T + 2), 46, line(46), 628, 1},
    };
    for (const Fit& c : cases) {
        SCOPED_TRACE(c.name);
        Item it = c.item;
        it.r1 = line(c.chars);
        show({it});
        auto t = find("text", c.x, 100);
        ASSERT_EQ(t.size(), 1u);
        EXPECT_EQ(t[0].what, c.drawn);
        EXPECT_FLOAT_EQ(t[0].sx, c.scale);
        EXPECT_EQ(t[0].sy, 1);
        EXPECT_EQ(rgb(t[0]), (Rgb{0, 0, 0}));
    }
}

TEST_F(Board, DelayRecordsAndExtensionsAlignRightUnlessAllAreLeft) {
    Item record = box(T - 1, T + 1, 300, 7);  // 40 + 25 px box from x 525 to 775
    record.r1 = "late";
    record.r2 = line(60);
    record.r3 = "third";
    Item overdue = box(T - 5, T - 4, 100);  // extension from 275 to 675
    overdue.r1 = "job";
    show({record, overdue});
    auto first = texts("late");
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].x, 725 + 50 - 4 - 4 * 11 / 2);
    EXPECT_EQ(first[0].y, 313);
    // The long second line is cut to 58 characters (0.25 w + 8) and ends 4 px inside the box.
    const std::string cut = line(58);
    auto second = texts(cut);
    ASSERT_EQ(second.size(), 1u);
    const float k = (200 + 100 / 2.2f) / (58 * 11 / 2);
    EXPECT_FLOAT_EQ(second[0].sx, k);
    EXPECT_FLOAT_EQ(second[0].x, 50 + (725 - k * (58 * 11 / 2)) - 4);
    EXPECT_TRUE(texts("third").empty());  // a low box has no third line
    auto job = texts("job");
    ASSERT_EQ(job.size(), 2u);  // on the item's own box, and on its extension
    EXPECT_EQ(job[0].x, 128);
    EXPECT_EQ(job[1].x, 625 + 50 - 4 - 3 * 11 / 2);
    EXPECT_EQ(job[1].y, 110);

    rightalign = -1;
    show({record, overdue});
    EXPECT_EQ(texts("late")[0].x, 528);
    EXPECT_EQ(texts("job")[1].x, 278);
}

TEST_F(Board, ThreeLinesInAFullBoxAndNothingForEmptyLines) {
    Item it = box(T, T + 2, 100);
    it.r1 = "one";
    it.r3 = "three";
    it.r4 = "four";
    it.r5 = "five";
    show({it});
    EXPECT_EQ(find("text", 628, 100).size(), 1u);
    EXPECT_TRUE(find("text", 628, 112).empty());
    EXPECT_EQ(find("text", 628, 124).size(), 1u);
    EXPECT_TRUE(texts("four").empty());
    EXPECT_TRUE(texts("five").empty());
}

TEST_F(Board, AnExtensionWithoutVisibleWidthDrawsNoText) {
    Item it = box(T - 5, T - 4);
    it.r1 = line(30);
    settable({it});
    giorno = T + 20;
    refresh();
    fake::clearcalls();
    disegnatabellone();
    for (const fake::Call& c : fake::callsof("text")) EXPECT_NE(c.y, 110) << c.what;
}

}  // namespace
}  // namespace nubo
