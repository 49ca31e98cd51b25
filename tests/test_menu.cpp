// The item menu: its buttons by what was right-clicked, its place, its row bands, MOVE and COPY.
#include <gtest/gtest.h>

#include "tests/interaction_helpers.h"

namespace nubo {
namespace {

struct Layout {
    const char* name;
    Item item;
    int x, y;  // where the right click lands
    std::vector<int> codes;
};

TEST_F(Input, TheMenuOffersWhatFitsWhatWasClicked) {
    const Layout cases[] = {
        {"free space", box(T, T, 300), 500, 500, {1, 0, 0, 0}},
        {"plain item ending today", box(T - 1, T, 300), 650, 320, {2, 3, 4, 5}},
        {"plain item ending tomorrow", box(T, T + 1, 300), 650, 320, {2, 3, 4, 5}},
        {"plain item past its last day", box(T - 3, T - 1, 300), 450, 320, {2, 4, 5, 0}},
        {"its overdue extension", box(T - 3, T - 1, 300), 600, 320, {3, 0, 0, 0}},
        {"stuff past its last day, extension", box(T - 3, T - 1, 300, 3), 600, 320, {3, 0, 0, 0}},
        {"note", box(T - 3, T - 1, 300, 2), 450, 320, {2, 4, 5, 0}},
        {"concluded", box(T, T, 300, 6), 650, 320, {4, 6, 0, 0}},
        {"delay record", box(T, T, 300, 7), 650, 330, {4, 6, 0, 0}},
        {"concluded stuff", box(T, T, 300, 9), 650, 320, {4, 6, 0, 0}},
    };
    for (const Layout& c : cases) {
        SCOPED_TRACE(c.name);
        load({c.item});
        clickat(c.x, c.y, 2);
        EXPECT_EQ(menucodes(), c.codes);
        EXPECT_EQ(inx, c.x);
        EXPECT_EQ(iny, c.y);
        fake::advance(400);
    }
}

TEST_F(Input, AnUnknownClassKeepsThePreviousButtons) {
    load({box(T, T, 300, 200)});
    clickat(500, 500, 2);
    clickat(650, 320, 2);
    EXPECT_EQ(menucodes(), (std::vector<int>{1, 0, 0, 0}));
    EXPECT_EQ(inx, 650);
}

TEST_F(Input, TheMenuIsDrawnAboveTheClickAndLiftedNearTheBottom) {
    const std::tuple<Item, int, int, float> cases[] = {
        {box(T, T, 100), 500, 300, 290},           // ADD, 10 px above
        {box(T, T, 100), 500, 700, 676},           // ADD near the bottom: lifted by 24
        {box(T, T + 1, 630), 650, 650, 558},       // four buttons at 650: lifted by 92
        {box(T, T + 1, 580), 650, 600, 590},       // at 600: 10 px
    };
    for (auto [item, x, y, top] : cases) {
        load({item});
        clickat(x, y, 2);
        passrecorded();
        std::vector<fake::Call> buttons;
        for (const fake::Call& c : fake::callsof("image"))
            if (c.x == x && c.w == 135) buttons.push_back(c);
        ASSERT_FALSE(buttons.empty()) << y;
        EXPECT_EQ(buttons[0].y, top) << y;
        for (size_t r = 1; r < buttons.size(); r++) EXPECT_EQ(buttons[r].y, top + 34 * r);
        EXPECT_EQ(rgb(buttons[0]), (Rgb{255, 255, 255}));
        fake::advance(400);
    }
}

TEST_F(Input, RowBandsAndTheGapsBetweenThem) {
    // Four buttons opened at (650, 320): a = 310.
    const std::pair<int, int> cases[] = {
        {310, 99}, {311, 0}, {341, 0}, {342, 99}, {344, 99}, {345, 1}, {375, 1}, {376, 99}, {378, 99},
        {379, 2}, {409, 2}, {410, 99}, {411, 3}, {441, 3}, {442, 99},
    };
    for (auto [y, row] : cases) {
        SCOPED_TRACE(y);
        load({box(T, T, 300)});
        clickat(650, 320, 2);
        pass();
        mox = 700;
        moy = y;
        colpiscimenu();
        EXPECT_EQ(scelta, row);
        EXPECT_EQ(menucodes() == std::vector<int>({0, 0, 0, 0}), row == 99);
    }
    for (int x : {650, 785}) {
        load({box(T, T, 300)});
        clickat(650, 320, 2);
        mox = x;
        moy = 320;
        colpiscimenu();
        EXPECT_EQ(scelta, 99) << x;
        EXPECT_EQ(menucodes(), (std::vector<int>{0, 0, 0, 0}));
    }
}

TEST_F(Input, AClickBetweenTheFirstTwoButtonsRunsNothing) {
    load({box(T, T, 300)});
    clickat(650, 320, 2);
    const int sounds = static_cast<int>(fake::sounds().size());
    clickat(700, 310 + 33);
    EXPECT_EQ(menucodes(), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(static_cast<int>(fake::sounds().size()), sounds);
    EXPECT_EQ(spostamento, 0);
}

TEST_F(Input, MoveKeepsTheLengthAndSavesTheSheet) {
    load({box(T - 1, T + 1, 300, 1, "five")});
    clickat(650, 320, 2);
    clickat(700, 310 + 34 * 3 + 10);
    ASSERT_EQ(spostamento, 1);
    EXPECT_EQ(indicespostamento, 0);
    passrecorded();
    auto ghost = images("move.png");
    ASSERT_EQ(ghost.size(), 1u);
    EXPECT_EQ(ghost[0].x, 650);
    EXPECT_EQ(ghost[0].y, 397);
    fake::movewheel(5);  // the view changes before the drop
    pass();
    fake::advance(400);
    pass();  // the flush after the wheel
    clickat(250, 600);  // column 2 of the scrolled view: day T - 5 - 6 + 2
    EXPECT_EQ(giornoinizio[0], T - 9);
    EXPECT_EQ(giornofine[0], T - 7);
    EXPECT_EQ(verticale[0], 575);
    EXPECT_EQ(fake::sounds().back(), "suono2.wav");
    EXPECT_EQ(readfile("data11.sch"), std::to_string(T - 9) + "|" + std::to_string(T - 7) + "|575|1|-1|0|\r\n");
    passrecorded();
    EXPECT_TRUE(images("move.png").empty());
}

TEST_F(Input, ARightClickEndsMoveModeWithoutMoving) {
    load({box(T, T, 300)});
    clickat(650, 320, 2);
    clickat(700, 310 + 34 * 3 + 10);
    clickat(300, 500, 2);
    EXPECT_EQ(spostamento, 0);
    clickat(900, 600);
    EXPECT_EQ(giornoinizio[0], T);
}

TEST_F(Input, CopyPutsTheSixLinesOnTheClipboard) {
    Item done = box(T, T, 300, 6);
    done.r1 = "A";
    done.r2 = "B";
    load({done});
    clickat(650, 320, 2);
    ASSERT_EQ(menucodes(), (std::vector<int>{4, 6, 0, 0}));
    clickat(700, 310 + 34 + 10);
    EXPECT_EQ(fake::clipboard(), "A\r\nB\r\n\r\n\r\n\r\n");
    EXPECT_EQ(menucodes(), (std::vector<int>{0, 0, 0, 0}));
    done.r3 = "c\xe9";
    done.r5 = "e";
    done.tel = "555";
    load({done});
    clickat(650, 320, 2);
    clickat(700, 310 + 34 + 10);
    EXPECT_EQ(fake::clipboard(), "A\r\nB\r\nc\xe9\r\n\r\ne\r\n555");
}

}  // namespace
}  // namespace nubo
