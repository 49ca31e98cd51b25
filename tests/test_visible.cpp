// The visible entries: which boxes an item gets and where, in the 1200 x 720 window with today in
// the seventh column.
#include <gtest/gtest.h>

#include "tests/board_helpers.h"

namespace nubo {
namespace {

struct Row {
    int x, fx, cls, v;
};

struct Geometry {
    const char* name;
    Item item;
    std::vector<Row> rows;
};

TEST_F(Board, ItemsBecomeEntriesByTheirDays) {
    const Geometry cases[] = {
        {"one day today", box(T, T), {{600, 650, 1, 100}}},
        {"two days after today", box(T + 1, T + 2), {{725, 825, 1, 100}}},
        {"ended in the window, stuff", box(T - 9, T - 4, 100, 3), {{0, 225, 3, 100}, {275, 625, 5, 100}}},
        {"across the whole window", box(T - 10, T + 20), {{0, 1200, 1, 100}}},
        {"from the first column on", box(F, T + 20), {{0, 1200, 1, 100}}},
        {"on the day after the last column", box(T + 6, T + 6), {{1200, 1250, 1, 100}}},
        {"overdue plain item", box(T - 5, T - 4), {{125, 225, 1, 100}, {275, 625, 4, 100}}},
        {"stuff overdue since yesterday", box(T - 1, T - 1, 100, 3), {{500, 550, 3, 100}, {575, 625, 5, 100}}},
        {"ends today", box(T - 2, T), {{425, 625, 1, 100}}},
        {"ended long before the window", box(T - 40, T - 30), {{0, 625, 4, 100}}},
        {"starts in the window, ends after it", box(T + 3, T + 40, 100, 2), {{925, 1200, 2, 100}}},
        {"below the window", box(T, T, 900), {{600, 650, 1, 701}}},
        {"just above the clamp", box(T, T, 700), {{600, 650, 1, 700}}},
        {"overdue below the window", box(T - 3, T - 2, 5000), {{325, 425, 1, 701}, {475, 625, 4, 5000}}},
        {"note long past", box(T - 9, T - 8, 100, 2), {}},
        {"concluded, past", box(T - 3, T - 2, 100, 6), {{325, 425, 6, 100}}},
        {"delay record, past", box(T - 3, T - 2, 100, 7), {{325, 425, 7, 100}}},
        {"before the window", box(T - 20, T - 10, 100, 9), {}},
        {"after the window", box(T + 7, T + 9), {}},
    };
    for (const Geometry& c : cases) {
        SCOPED_TRACE(c.name);
        settable({c.item});
        refresh();
        ASSERT_EQ(visu, static_cast<int>(c.rows.size()));
        for (int e = 0; e < visu; e++) {
            EXPECT_EQ(visux[e], c.rows[e].x);
            EXPECT_EQ(visufx[e], c.rows[e].fx);
            EXPECT_EQ(colore[e], c.rows[e].cls);
            EXPECT_EQ(visuv[e], c.rows[e].v);
            EXPECT_EQ(visui[e], 0);
        }
    }
}

TEST_F(Board, AfterScrollingPastTodayAnExtensionHasNoVisibleWidth) {
    settable({box(T - 5, T - 4)});
    giorno = T + 20;
    refresh();
    ASSERT_EQ(visu, 1);
    EXPECT_EQ(colore[0], 4);
    EXPECT_EQ(visux[0], 0);
    EXPECT_LE(visufx[0], -75);
}

TEST_F(Board, EntriesKeepItemOrderAndLinks) {
    std::vector<Item> items = {box(T, T), box(T - 3, T - 2), box(T + 1, T + 1, 200, 2)};
    items[2].link = 0;
    settable(items);
    refresh();
    ASSERT_EQ(visu, 4);
    EXPECT_EQ((std::vector<int>{visui[0], visui[1], visui[2], visui[3]}), (std::vector<int>{0, 1, 1, 2}));
    EXPECT_EQ((std::vector<int>{colore[0], colore[1], colore[2], colore[3]}), (std::vector<int>{1, 1, 4, 2}));
    EXPECT_EQ(visulink[3], 0);
    EXPECT_EQ(visulink[2], -1);
}

TEST_F(Board, NoMoreThanSeventyEntriesAreRecorded) {
    std::vector<Item> items;
    for (int i = 0; i < 60; i++) items.push_back(box(T - 3, T - 2, 20 + i));  // two entries each
    settable(items);
    refresh();
    EXPECT_EQ(visu, maxvisibili);
    EXPECT_EQ(visui[maxvisibili - 1], 34);
    EXPECT_EQ(colore[maxvisibili - 1], 4);
    fake::clearcalls();
    disegnatabellone();  // draws what it holds, reads nothing past the tables
    EXPECT_FALSE(fake::callsof("rect").empty());
}

}  // namespace
}  // namespace nubo
