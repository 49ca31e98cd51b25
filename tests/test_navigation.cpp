// Moving through time and sheets, the enlarged view and dragging, through real passes.
#include <gtest/gtest.h>

#include "tests/interaction_helpers.h"

namespace nubo {
namespace {

TEST_F(Input, WheelStepsMoveTheBoardADayEach) {
    fake::movewheel(1);
    pass();
    EXPECT_EQ(giorno, T - 1);
    fake::movewheel(3);
    pass();
    EXPECT_EQ(giorno, T - 4);
    fake::movewheel(-2);
    pass();
    EXPECT_EQ(giorno, T - 2);
    passrecorded();
    EXPECT_EQ(texts("Thu 3 dec.").size(), 1u);  // the first column moved with it
    EXPECT_EQ(onexample, 0);
}

TEST_F(Input, AClickIsLostWhenTheMouseIsFlushed300msAfterTheLastStep) {
    load({box(T, T, 300)});
    fake::movewheel(1);
    pass();  // 30 ms later the flush is still due at +300
    clickat(500, 500, 2);
    EXPECT_EQ(menucodes(), (std::vector<int>{1, 0, 0, 0}));
    fake::movewheel(1);
    pass();
    fake::advance(300);
    clickat(500, 500, 2);  // this pass flushes first
    EXPECT_EQ(menucodes(), (std::vector<int>{0, 0, 0, 0}));
    clickat(500, 500, 2);
    EXPECT_EQ(menucodes(), (std::vector<int>{1, 0, 0, 0}));
    EXPECT_GT(timerflushmouse, fake::now() + 59000);  // then every 60 s
}

TEST_F(Input, HeldArrowsMoveADayAPass) {
    fake::presskey(plat::kright);
    pass(10);
    EXPECT_EQ(giorno, T + 10);
    fake::releasekey(plat::kright);
    fake::presskey(plat::kleft);
    pass(3);
    fake::releasekey(plat::kleft);
    pass(2);
    EXPECT_EQ(giorno, T + 7);
}

TEST_F(Input, TheHomeButtonIsOfferedFrom16DaysAwayAndReturnsToToday) {
    for (auto [steps, offered] : {std::pair{15, 0}, {16, 1}, {-16, 1}}) {
        giorno = T;
        fake::movewheel(steps);
        pass();
        EXPECT_EQ(casa, offered) << steps;
    }
    passrecorded();
    auto home = images("home.png");
    ASSERT_EQ(home.size(), 1u);
    EXPECT_EQ(home[0].x, 578);
    EXPECT_EQ(home[0].y, 673);
    clickat(600, 690);
    EXPECT_EQ(giorno, T);
    EXPECT_EQ(casa, 0);
    EXPECT_EQ(fake::sounds().back(), "suono1.wav");
    passrecorded();
    EXPECT_TRUE(images("home.png").empty());
}

TEST_F(Input, SheetKeysLoadTheirSheetWithoutSavingAndLabelIt) {
    load({box(T, T, 300, 1, "sheet one")});
    verticale[0] = 500;  // a drag, not saved
    fake::hitkey(plat::kf2);
    pass();
    EXPECT_EQ(numerodatabase, 2);
    EXPECT_EQ(indice, 0);
    EXPECT_EQ(sovra, "II");
    EXPECT_EQ(onexample, 1);
    EXPECT_EQ(fake::sounds().back(), "suono1.wav");
    EXPECT_FALSE(exists("data12.sch"));
    fake::hitkey(plat::kf1);
    pass();
    EXPECT_EQ(sovra, "I");
    EXPECT_EQ(verticale[0], 300);  // the drag was discarded
    fake::hitkey(plat::kf3);
    pass();
    EXPECT_EQ(sovra, "III");
}

TEST_F(Input, SheetKeysPressedInTheEditorWaitForTheBoard) {
    finestrainserimento = true;
    fake::hitkey(plat::kf2);
    pass(3);
    EXPECT_EQ(numerodatabase, 1);
    finestrainserimento = false;
    pass();
    EXPECT_EQ(numerodatabase, 2);
}

TEST_F(Input, AfterASheetSwitchNoOpenMenuOrMoveActsOnTheNewSheet) {
    // Sheet 2 also has an item in slot 0, which a stale command would hit.
    writefile("data12.sch", "3269|3269|200|1|-1|0|\r\n");
    writefile("datat12.sch", "two||||\r\n");
    load({box(T, T, 300, 1, "one")});

    clickat(650, 320, 2);
    ASSERT_EQ(menucodes(), (std::vector<int>{2, 3, 4, 5}));
    fake::hitkey(plat::kf2);
    pass();
    EXPECT_EQ(menucodes(), (std::vector<int>{0, 0, 0, 0}));
    clickat(inx + 20, iny - alzamenu + 34 * 3 + 10);  // where MOVE was
    EXPECT_EQ(spostamento, 0);

    fake::hitkey(plat::kf1);
    pass();
    clickat(650, 320, 2);
    clickat(inx + 20, iny - alzamenu + 34 * 3 + 10);  // MOVE on sheet 1's item
    ASSERT_EQ(spostamento, 1);
    fake::hitkey(plat::kf2);
    pass();
    EXPECT_EQ(spostamento, 0);
    clickat(950, 400);
    EXPECT_EQ(giornoinizio[0], T + 2);
    EXPECT_EQ(verticale[0], 200);
    EXPECT_EQ(readfile("data12.sch"), "3269|3269|200|1|-1|0|\r\n");
}

TEST_F(Input, AClickOnABoxTogglesItsEnlargedView) {
    load({box(T, T, 300)});
    clickat(650, 320);
    EXPECT_EQ(visualizzaingrandito, 1);
    fake::advance(400);
    clickat(650, 320);
    EXPECT_EQ(visualizzaingrandito, 0);
}

TEST_F(Input, OneClickDropsAMovedItemAndTogglesTheView) {
    load({box(T - 1, T + 1, 300, 1, "moved"), box(T + 3, T + 3, 500, 2, "target")});
    clickat(650, 320, 2);
    clickat(inx + 20, iny - alzamenu + 34 * 3 + 10);  // MOVE
    ASSERT_EQ(spostamento, 1);
    fake::advance(400);
    clickat(950, 520);  // onto the note
    EXPECT_EQ(spostamento, 0);
    EXPECT_EQ(giornoinizio[0], T + 3);
    EXPECT_EQ(giornofine[0], T + 5);
    EXPECT_EQ(verticale[0], 495);
    EXPECT_EQ(visualizzaingrandito, 1);
}

TEST_F(Input, DraggingMovesTheBoxWithItsGrabOffsetAndStopsAtTheBottom) {
    load({box(T, T, 300)});
    fake::setmouse(650, 320);
    fake::press(1);
    pass();
    EXPECT_EQ(puntoy, 20);
    fake::setmouse(660, 360);
    pass();
    EXPECT_EQ(verticale[0], 340);
    EXPECT_EQ(visualizzaingrandito, 0);  // moved 3 px or more: the view closes
    EXPECT_EQ(inx, 660);
    fake::setmouse(660, 719);
    pass();
    EXPECT_EQ(verticale[0], 680);  // pointer held at 700
    fake::setmouse(660, -200);
    pass();
    EXPECT_EQ(verticale[0], -220);  // no limit upwards
    fake::release(1);
    fake::setmouse(100, 100);
    pass();
    EXPECT_EQ(selezionato, entryof(0));  // held for 300 ms after the press
    fake::advance(400);
    pass();
    EXPECT_EQ(selezionato, -1);
    EXPECT_FALSE(exists("data11.sch.backup"));  // a drag is not saved by itself
}

}  // namespace
}  // namespace nubo
