// The board frame through its recorded draw calls: header and grid, boxes, highlight, delay mark,
// icon, phone line and the enlarged view.
#include <gtest/gtest.h>

#include "app/state.h"
#include "interaction/menu.h"
#include "tests/board_helpers.h"

namespace nubo {
namespace {

TEST_F(Board, HeaderGridWeekendAndTodayColumns) {
    show({});
    const auto& calls = fake::calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].op, "clear");
    EXPECT_EQ(calls[0].font, "dual.dll@11");
    auto bar = find("rect", 0, 0);
    ASSERT_EQ(bar.size(), 1u);
    EXPECT_EQ(bar[0].w, 1200);
    EXPECT_EQ(bar[0].h, 15);
    EXPECT_EQ(rgb(bar[0]), (Rgb{50, 70, 50}));
    // Saturday and Sunday in the first two columns, today (a Friday) in the seventh.
    for (float x : {1.0f, 101.0f}) {
        auto fill = find("rect", x, 16);
        ASSERT_EQ(fill.size(), 1u) << x;
        EXPECT_EQ(rgb(fill[0]), (Rgb{130, 130, 130}));
        EXPECT_EQ(fill[0].w, 99);
        EXPECT_EQ(fill[0].h, 704);
    }
    auto today = find("rect", 601, 16);
    ASSERT_EQ(today.size(), 1u);
    EXPECT_EQ(rgb(today[0]), (Rgb{170, 170, 140}));
    EXPECT_TRUE(find("rect", 201, 16).empty());
    EXPECT_EQ(fake::callsof("rect").size(), 6u);  // bar, two weekends, today
    // Column borders across the bar, and fifteen row lines.
    int borders = 0, rows = 0;
    for (const fake::Call& c : fake::callsof("line")) {
        EXPECT_EQ(rgb(c), (Rgb{160, 160, 160}));
        if (c.x == c.w && c.y == 0 && c.h == 720) borders++;
        if (c.x == 0 && c.w == 1200 && c.y == c.h) {
            EXPECT_EQ(static_cast<int>(c.y - 15) % 50, 0);
            rows++;
        }
    }
    EXPECT_EQ(borders, 12);
    EXPECT_EQ(rows, 15);
    auto heading = texts("Fri 11 dec.");
    ASSERT_EQ(heading.size(), 1u);
    EXPECT_EQ(heading[0].x, 605);
    EXPECT_EQ(heading[0].y, 0);
    EXPECT_EQ(rgb(heading[0]), (Rgb{255, 255, 255}));
    EXPECT_EQ(texts("Sat 5 dec.").size(), 1u);
    dettagli = -1;
    show({});
    EXPECT_EQ(texts("Friday 11 dec.").size(), 1u);
}

TEST_F(Board, TodayOnASundayIsFilledAsToday) {
    fake::setdate("13 Dec 2026");
    startup();
    show({});
    auto fill = find("rect", 601, 16);
    ASSERT_EQ(fill.size(), 2u);
    EXPECT_EQ(rgb(fill[0]), (Rgb{130, 130, 130}));
    EXPECT_EQ(rgb(fill[1]), (Rgb{170, 170, 140}));
}

TEST_F(Board, MayIsHeadedWithoutAFullStop) {
    fake::setdate("20 May 2026");
    startup();
    show({});
    EXPECT_EQ(texts("Wed 20 may").size(), 1u);
}

TEST_F(Board, ABoxIsRoundedAndShadedInFullDetailOnly) {
    show({box(T, T, 284)});
    // Body: the top and bottom strips inset by a pixel, at brightness 1.0 in class 1's colour.
    for (auto [x, y, w, h] : {std::tuple{601, 285, 98, 2}, {600, 287, 100, 38}, {601, 325, 98, 2}}) {
        auto r = find("rect", x, y);
        ASSERT_EQ(r.size(), 1u) << y;
        EXPECT_EQ(r[0].w, w);
        EXPECT_EQ(r[0].h, h);
        EXPECT_EQ(rgb(r[0]), (Rgb{220, 210, 50}));
    }
    auto top = find("line", 603, 284);
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0].w, 696);
    EXPECT_EQ(rgb(top[0]), (Rgb{198, 189, 45}));  // 0.9 of the body
    EXPECT_EQ(find("line", 603, 327).size(), 1u);
    EXPECT_EQ(find("line", 600, 287).size(), 1u);
    EXPECT_EQ(find("line", 699, 287).size(), 1u);

    dettagli = -1;
    show({box(T, T, 284)});
    EXPECT_TRUE(find("line", 603, 284).empty());
    EXPECT_TRUE(find("line", 600, 287).empty());
    EXPECT_EQ(find("rect", 600, 287).size(), 1u);
}

TEST_F(Board, ThePointerHighlightsEveryBoxUnderItAndSelectsTheLast) {
    std::vector<Item> items = {box(T, T, 100), box(T - 1, T + 1, 110, 2), box(T + 2, T + 2, 400)};
    setpointer(650, 130);
    show(items);
    EXPECT_EQ(selezionato, 1);
    EXPECT_EQ(rgb(find("rect", 600, 103)[0]), (Rgb{176, 168, 40}));   // 0.8 of class 1
    EXPECT_EQ(rgb(find("rect", 525, 113)[0]), (Rgb{104, 104, 167}));  // 0.8 of class 2, entry 1 tint
    EXPECT_EQ(rgb(find("rect", 800, 403)[0]), (Rgb{234, 224, 50}));   // not under the pointer
    setpointer(650, 500);
    show(items);
    EXPECT_EQ(selezionato, -1);
}

TEST_F(Board, AHeldSelectionIsNeitherRecomputedNorHighlighted) {
    std::vector<Item> items = {box(T, T, 100)};
    setpointer(650, 130);
    show(items);
    EXPECT_EQ(selezionato, 0);
    noselez = fake::now() + 300;
    setpointer(100, 600);
    show(items);
    EXPECT_EQ(selezionato, 0);
    setpointer(650, 130);
    show(items);
    EXPECT_EQ(rgb(find("rect", 600, 103)[0]), (Rgb{220, 210, 50}));
}

TEST_F(Board, ABoxBelowTheWindowIsDrawnAtItsEdgeUnderABlinkingArrow) {
    for (int phase : {-1, 1}) {
        lampeggio = phase;
        show({box(T, T, 900)});
        auto arrow = images("giu.png");
        ASSERT_EQ(arrow.size(), 1u);
        EXPECT_EQ(arrow[0].x, 620);
        EXPECT_EQ(arrow[0].y, 678);
        EXPECT_EQ(rgb(arrow[0]), phase == -1 ? (Rgb{255, 255, 0}) : (Rgb{255, 0, 0}));
        EXPECT_EQ(find("rect", 600, 703).size(), 1u);
    }
    show({box(T, T, 700)});
    EXPECT_TRUE(images("giu.png").empty());
}

TEST_F(Board, AFourthLineShowsTheSmallArrowUnderTheBox) {
    Item it = box(T, T, 100);
    it.r4 = "ab";
    show({it});
    auto arrow = images("freccina.png");
    ASSERT_EQ(arrow.size(), 1u);
    EXPECT_EQ(arrow[0].x, 615);
    EXPECT_EQ(arrow[0].y, 143);
    EXPECT_EQ(rgb(arrow[0]), (Rgb{220, 210, 50}));
    it.r4 = "a";
    show({it});
    EXPECT_TRUE(images("freccina.png").empty());
}

struct Delay {
    int started, ended, state;
    bool mark;
    const char* number;
    bool phone;
};

TEST_F(Board, OverdueExtensionsShowTheirDelayAndThenThePhoneLine) {
    const Delay cases[] = {
        {T - 5, T - 2, 1, false, nullptr, false},
        {T - 5, T - 3, 1, true, "3", false},
        {T - 5, T - 4, 1, true, "4", true},
        {T - 9, T - 8, 3, true, "8", true},
    };
    for (const Delay& c : cases) {
        SCOPED_TRACE(c.number ? c.number : "2");
        Item it = box(c.started, c.ended, 200, c.state);
        it.tel = "555 0100";
        show({it});
        const int ext = visu - 1;
        ASSERT_EQ(colore[ext], c.state == 1 ? 4 : 5);
        auto mark = images("rita.png");
        ASSERT_EQ(mark.size(), c.mark ? 1u : 0u);
        if (c.mark) {
            EXPECT_EQ(mark[0].x, 625 + 33);
            EXPECT_EQ(mark[0].y, 200 + 10 + 25);
            auto n = texts(c.number);
            ASSERT_EQ(n.size(), 1u);
            EXPECT_EQ(n[0].x, 663);
            EXPECT_EQ(n[0].y, 234);
            EXPECT_EQ(rgb(n[0]), (Rgb{0, 0, 0}));
        }
        const int width = 8 * 11 / 2;
        auto phones = texts("555 0100");
        const bool own = c.ended >= F;  // the item's own box shows its phone line too
        ASSERT_EQ(phones.size(), (own ? 1u : 0u) + (c.phone ? 1u : 0u));
        if (c.phone) {
            EXPECT_EQ(phones.back().x, 625 + 50 - 4 - 15 - width);
            EXPECT_EQ(phones.back().y, 228);
        }
    }
}

TEST_F(Board, OldPlainExtensionsFlickerTheirNumber) {
    const std::tuple<int, int, Rgb> cases[] = {
        {T - 10, 1, {0, 0, 0}},         // started ten days ago: never
        {T - 11, 1, {255, 255, 255}},   // eleven: white when the draw says 1
        {T - 11, 2, {0, 0, 0}},
    };
    for (auto [started, draw, want] : cases) {
        if (started <= T - 11) fake::queuerandom({draw});  // drawn only for old extensions
        show({box(started, T - 5)});
        auto n = texts("5");
        ASSERT_EQ(n.size(), 1u);
        EXPECT_EQ(rgb(n[0]), want);
    }
    fake::queuerandom({1});
    show({box(T - 20, T - 5, 100, 3)});
    EXPECT_EQ(rgb(texts("5")[0]), (Rgb{0, 0, 0}));  // stuff never flickers
}

TEST_F(Board, APhoneLineOfFourCharactersGetsItsLabel) {
    for (const char* tel : {"123", "1234"}) {
        Item it = box(T, T + 1, 200);
        it.tel = tel;
        show({it});
        const int W = static_cast<int>(std::string(tel).size()) * 11 / 2;
        auto t = texts(tel);
        ASSERT_EQ(t.size(), 1u);
        EXPECT_EQ(t[0].x, 725 + 50 - 4 - W);
        EXPECT_EQ(t[0].y, 228);
        auto label = find("rect", 725 + 50 - 5 - W, 230);
        EXPECT_EQ(label.size(), std::string(tel).size() >= 4 ? 1u : 0u);
    }
}

TEST_F(Board, IconsSitOnTheTopRightCornerInFullDetailOnly) {
    const std::tuple<int, int, int, float, float, float> cases[] = {
        // tag, state, details, x, y, scale
        {3, 1, 1, 725 + 40, 190, 0.6f},
        {3, 7, 1, 725 + 42, 200, 0.4f},
        {10, 8, 1, 725 + 42, 200, 0.4f},
    };
    for (auto [t, state, details, x, y, scale] : cases) {
        dettagli = details;
        Item it = box(T, T + 1, 200, state);
        it.tag = t;
        show({it});
        auto icon = images("f" + std::to_string(t) + ".png");
        ASSERT_EQ(icon.size(), 1u);
        EXPECT_EQ(icon[0].x, x);
        EXPECT_EQ(icon[0].y, y);
        EXPECT_EQ(icon[0].sx, scale);
        EXPECT_EQ(rgb(icon[0]), (Rgb{255, 255, 255}));
    }
    for (int t : {0, 11, 255}) {
        Item it = box(T, T + 1, 200);
        it.tag = t;
        show({it});
        for (const fake::Call& c : fake::callsof("image")) EXPECT_NE(c.what[0], 'f') << t;
    }
    dettagli = -1;
    Item it = box(T, T + 1, 200);
    it.tag = 3;
    show({it});
    EXPECT_TRUE(images("f3.png").empty());
}

struct Enlarged {
    int y, pointer;
    const char* line;
    int x, top, width;
};

TEST_F(Board, TheEnlargedViewOpensAtThePointerWithinTheWindow) {
    const Enlarged cases[] = {
        {200, 650, "short", 600, 205, 170},
        {660, 650, "short", 600, 620, 170},
        {200, 1190, "short", 1030, 205, 170},
        {200, 20, "short", 0, 205, 170},
        {200, 1190, "a line much wider than the usual hundred and fifty", 1200 - 275 - 20, 205, 295},
    };
    for (const Enlarged& c : cases) {
        SCOPED_TRACE(c.pointer);
        Item it = box(T - 6, T + 20, c.y);
        it.r3 = c.line;
        settable({it});
        refresh();
        setpointer(c.pointer, c.y + 20);
        inx = c.pointer;
        visualizzaingrandito = 1;
        fake::clearcalls();
        disegnatabellone();
        auto body = find("rect", static_cast<float>(c.x), static_cast<float>(c.top + 3));
        ASSERT_EQ(body.size(), 1u);
        EXPECT_EQ(body[0].w, c.width);
        EXPECT_EQ(body[0].h, 68);
        auto line = find("text", static_cast<float>(c.x + 10), static_cast<float>(c.top + 27));
        ASSERT_EQ(line.size(), 1u);
        EXPECT_EQ(line[0].what, c.line);
        EXPECT_EQ(visualizzaingrandito, 1);
    }
    setpointer(5, 5);
    show({box(T, T, 200)});
    EXPECT_EQ(visualizzaingrandito, 0);  // nothing selected closes it
}

TEST_F(Board, HandEditedValuesDrawWithoutReadingOutsideTheTables) {
    std::vector<Item> items = {
        {T - 3, T + 2, 2147483647, 1, 5000, 200, std::string(400, 't'), std::string(700, 'x'), "", "", "", ""},
        {-2147483647 - 1, 2147483647, -2147483647 - 1, 3, -99, 11, "", "", "", "", "", ""},
        {T, T - 100000, 300, 250, 1, 0, "", "", "", "", "", ""},
        {2147483647, 2147483647, 100, 1, 0, 0, "", "", "", "", "", ""},
        {-2147483647 - 1, -2147483647 - 1, 100, 3, 2, 0, "", "", "", "", "", ""},
    };
    setpointer(650, 400);
    visualizzaingrandito = 1;
    show(items);
    EXPECT_GE(visu, 3);
    giorno = 2147483647 - 100;
    refresh();
    disegnatabellone();
    giorno = -2147483000;
    refresh();
    disegnatabellone();
}

}  // namespace
}  // namespace nubo
