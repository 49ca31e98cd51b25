// Start-up, the frame loop's pacing and blink, and shut-down, on the fake backend.
#include <gtest/gtest.h>

#include "app/lingua.h"
#include "app/platform.h"
#include "app/state.h"
#include "schedule/days.h"
#include "tests/sheet_helpers.h"

namespace nubo {
namespace {

struct Markers {
    std::vector<const char*> files;
    int w, h, extra, extra2, offset, right, light, details, delay, columns, rows;
};

TEST_F(Nubo, MarkerFilesChooseSizeAndSettings) {
    const Markers cases[] = {
        {{}, 1200, 720, -1, -1, 6, 1, 0, 1, 30, 12, 15},
        {{"extra"}, 1800, 970, 1, -1, 8, 1, 0, 1, 30, 18, 20},
        {{"extra2"}, 1400, 860, -1, 1, 7, 1, 0, 1, 30, 14, 17},
        {{"extra", "extra2"}, 1400, 860, -1, 1, 7, 1, 0, 1, 30, 14, 17},
        {{"left"}, 1200, 720, -1, -1, 6, -1, 0, 1, 30, 12, 15},
        {{"light"}, 1200, 720, -1, -1, 6, 1, 1, 1, 30, 12, 15},
        {{"details"}, 1200, 720, -1, -1, 6, 1, 0, -1, 60, 12, 15},
        {{"extra", "left", "light", "details"}, 1800, 970, 1, -1, 8, -1, 1, -1, 60, 18, 20},
    };
    for (const Markers& c : cases) {
        SCOPED_TRACE(c.files.empty() ? "none" : c.files[0]);
        fake::reset();
        resetall();
        makefolder();
        for (const char* f : c.files) writefile(f, "");
        startup();
        EXPECT_EQ(schermox, c.w);
        EXPECT_EQ(schermoy, c.h);
        EXPECT_EQ(fake::windowheight(), c.h);
        EXPECT_EQ(extrarighe, c.extra);
        EXPECT_EQ(extrarighe2, c.extra2);
        EXPECT_EQ(offsetgiorno, c.offset);
        EXPECT_EQ(rightalign, c.right);
        EXPECT_EQ(colori, c.light);
        EXPECT_EQ(dettagli, c.details);
        EXPECT_EQ(attesaf, c.delay);
        EXPECT_EQ(maxoriz, c.columns);
        EXPECT_EQ(maxverticale, c.rows);
    }
}

TEST_F(Nubo, ANarrowScreenFallsBackTo1200x720AndKeepsTheMarkers) {
    makefolder();
    writefile("extra", "");
    fake::setscreenwidth(1600);
    startup();
    EXPECT_EQ(schermox, 1200);
    EXPECT_EQ(schermoy, 720);
    EXPECT_EQ(fake::windowheight(), 720);
    EXPECT_EQ(fake::windowopens(), 2);
    EXPECT_EQ(maxoriz, 12);
    EXPECT_EQ(maxverticale, 15);
    EXPECT_EQ(extrarighe, 1);
    EXPECT_EQ(offsetgiorno, 8);
    EXPECT_TRUE(exists("extra"));
}

TEST_F(Nubo, FirstStartCreatesTheFolderAndShowsTodayWithAnEmptySheet) {
    fake::setdate("11 Dec 2026");
    startup();
    EXPECT_TRUE(std::filesystem::is_directory(datafolder()));
    EXPECT_EQ(path, fake::root() + "\\Nubo-data");
    EXPECT_EQ(giornoattuale, 3267);
    EXPECT_EQ(giorno, giornoattuale);
    EXPECT_EQ(numerodatabase, 1);
    EXPECT_EQ(indice, 0);
    EXPECT_EQ(onexample, 1);
    EXPECT_EQ(onscreen, 1);
    EXPECT_EQ(fake::title(), "Nubo! (build:308)" + std::string(45, ' ') + "press F1-F2-F3 to change sheet");
    EXPECT_EQ(lingua[11], "may");
    EXPECT_FALSE(exists("data11.sch"));
}

TEST_F(Nubo, ShutDownSavesTheSheetAndWavesOnlyWithoutTheExampleNote) {
    startup();
    shutdown();
    EXPECT_TRUE(exists("data11.sch"));
    EXPECT_EQ(readfile("data11.sch"), "");
    EXPECT_TRUE(fake::callsof("image").empty());
    EXPECT_TRUE(fake::sounds().empty());

    fake::reset();
    resetall();
    makefolder();
    writefile("data11.sch", "3267|3268|100|1|-1|0|\r\n");
    writefile("datat11.sch", "job||||\r\n");
    startup();
    const int before = fake::now();
    shutdown();
    const auto images = fake::callsof("image");
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].what, "close.png");
    EXPECT_EQ(images[0].x, 530);
    EXPECT_EQ(images[0].y, 290);
    EXPECT_EQ(fake::sounds(), std::vector<std::string>{"suono1.wav"});
    EXPECT_EQ(readfile("datat11.sch"), "job||||\r\n");
    EXPECT_EQ(readfile("datat11.sch.backup"), "job||||\r\n");
    EXPECT_GE(fake::now() - before, 500);  // the save's pause and the closing pause
}

TEST_F(Nubo, FramesAreClearedPacedAndBlink) {
    startup();
    EXPECT_EQ(lampeggio, -1);
    fake::clearcalls();
    frame();
    EXPECT_EQ(lampeggio, 1);  // the first frame flips the phase
    ASSERT_GE(fake::calls().size(), 2u);
    EXPECT_EQ(fake::calls().front().op, "clear");
    EXPECT_EQ(fake::calls().front().r, 150);  // dark theme
    EXPECT_EQ(fake::calls().back().op, "show");
    EXPECT_FALSE(fake::calls().back().waitvblank);
    const int t = fake::now();
    frame();
    EXPECT_EQ(fake::now() - t, 30);
    int flips = 0, phase = lampeggio;
    for (int i = 0; i < 40; i++) {  // 1.2 s at 30 ms a pass
        frame();
        if (lampeggio != phase) flips++, phase = lampeggio;
    }
    EXPECT_EQ(flips, 2);  // one every 14 passes of 30 ms
}

TEST_F(Nubo, TheEditorModeDrawsOverTheLastPicture) {
    startup();
    finestrainserimento = true;
    fake::clearcalls();
    frame();
    EXPECT_TRUE(fake::callsof("clear").empty());
}

TEST_F(Nubo, QuittingEndsTheLoop) {
    startup();
    int passes = 0;
    fake::requestquit();
    while (!plat::quitrequested()) frame(), passes++;
    EXPECT_EQ(passes, 0);
}

}  // namespace
}  // namespace nubo
