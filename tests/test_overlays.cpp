// What is drawn over the board and the editor window in every pass.
#include <gtest/gtest.h>

#include "tests/interaction_helpers.h"

namespace nubo {
namespace {

TEST_F(Input, ExampleNoteAndHintLineFollowTheSheetSize) {
    const std::tuple<int, bool, bool> cases[] = {{0, true, true}, {2, false, true}, {3, false, false}};
    for (auto [count, example, hint] : cases) {
        SCOPED_TRACE(count);
        load(std::vector<Item>(count, box(T, T, 300)));
        passrecorded();
        EXPECT_EQ(images("example.png").size(), example ? 1u : 0u);
        EXPECT_EQ(images("close.png").size(), example ? 1u : 0u);
        auto line = texts("press the right mouse button to add a reminder.");
        ASSERT_EQ(line.size(), hint ? 1u : 0u);
        if (hint) {
            EXPECT_EQ(line[0].x, 300);
            EXPECT_EQ(line[0].y, 675);
            EXPECT_EQ(rgb(line[0]), (Rgb{70, 70, 70}));
            EXPECT_EQ(line[0].font, "mono.dll@20");
        }
    }
    load({});
    passrecorded();
    auto note = images("example.png"), face = images("close.png");
    EXPECT_EQ(note[0].x, 400);
    EXPECT_EQ(note[0].y, 200);
    EXPECT_EQ(face[0].x, 320);
    EXPECT_EQ(face[0].y, 170);
    fake::movewheel(1);
    pass();
    passrecorded();
    EXPECT_TRUE(images("example.png").empty());  // a wheel step takes the note away, not the hint
    EXPECT_EQ(texts("press the right mouse button to add a reminder.").size(), 1u);
}

TEST_F(Input, TheOverlaysComeInTheirOrderInBothModes) {
    load({});
    casa = 1;
    spostamento = 1;
    sovra = "II";
    for (bool editor : {false, true}) {
        finestrainserimento = editor;
        passrecorded();
        const std::vector<std::string> want = {"move.png", "home.png", "settings.png", "example.png", "close.png",
                                               "press the right mouse button to add a reminder.", "II"};
        std::vector<std::string> order;
        for (const fake::Call& c : fake::calls())
            if ((c.op == "image" || c.op == "text") && std::find(want.begin(), want.end(), c.what) != want.end())
                order.push_back(c.what);
        EXPECT_EQ(order, want) << editor;
        EXPECT_EQ(fake::calls().back().op, "show");
    }
}

TEST_F(Input, TheSettingsIconBlinksOnlyWhileThePanelIsOpen) {
    for (auto [panel, phase, want] : {std::tuple{-1, 1, Rgb{255, 255, 255}}, {1, -1, Rgb{255, 255, 255}},
                                      {1, 1, Rgb{150, 150, 150}}}) {
        settings = panel;
        lampeggio = -phase;  // the pass flips it before the icon is drawn
        attesa = 0;
        passrecorded();
        auto icon = images("settings.png");
        ASSERT_EQ(icon.size(), 1u);
        EXPECT_EQ(icon[0].x, 1160);
        EXPECT_EQ(icon[0].y, 0);
        EXPECT_EQ(rgb(icon[0]), want);
    }
}

TEST_F(Input, SheetLabelsArePlacedByTheirWidth) {
    for (auto [key, label, x] : {std::tuple{plat::kf1, "I", 30 - 3 * 10 / 2}, {plat::kf3, "III", 30 - 5 * 10 / 2}}) {
        fake::hitkey(key);
        pass();
        passrecorded();
        auto t = texts(label);
        ASSERT_EQ(t.size(), 1u);
        EXPECT_EQ(t[0].x, x);
        EXPECT_EQ(t[0].y, 693);
        EXPECT_EQ(rgb(t[0]), (Rgb{50, 70, 50}));
    }
    passrecorded();
    EXPECT_EQ(fake::calls().front().font, "mono.dll@20");  // left at the label's font
}

TEST_F(Input, TheGhostBoxFollowsThePointer) {
    spostamento = 1;
    for (auto [x, y] : {std::pair{300, 200}, {1100, 650}}) {
        fake::setmouse(x, y);
        passrecorded();
        auto ghost = images("move.png");
        ASSERT_EQ(ghost.size(), 1u);
        EXPECT_EQ(ghost[0].x, x - 50);
        EXPECT_EQ(ghost[0].y, y - 25);
    }
}

}  // namespace
}  // namespace nubo
