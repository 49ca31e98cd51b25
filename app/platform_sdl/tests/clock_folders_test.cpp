#include <gtest/gtest.h>

#include "app/platform_sdl/clock.h"
#include "app/platform_sdl/folders.h"

TEST(DateText, DayTwoDigitsEnglishMonthFullYear) {
    std::tm t{};
    t.tm_mday = 9, t.tm_mon = 11, t.tm_year = 125;
    EXPECT_EQ(sdlbackend::formatdate(t), "09 Dec 2025");
    t.tm_mday = 31, t.tm_mon = 0, t.tm_year = 100;
    EXPECT_EQ(sdlbackend::formatdate(t), "31 Jan 2000");
}

TEST(DateText, EveryMonthName) {
    const char* names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int m = 0; m < 12; m++) {
        std::tm t{};
        t.tm_mday = 1, t.tm_mon = m, t.tm_year = 124;
        EXPECT_EQ(sdlbackend::formatdate(t), std::string("01 ") + names[m] + " 2024");
    }
}

#if !defined(__APPLE__) && !defined(_WIN32)
TEST(SupportFolder, XdgDataHomeWins) {
    EXPECT_EQ(sdlbackend::supportfolder("/x/data", "/home/u", nullptr), "/x/data");
    EXPECT_EQ(sdlbackend::supportfolder("/x/data/", "/home/u", nullptr), "/x/data");
}

TEST(SupportFolder, EmptyOrMissingXdgFallsBackToHome) {
    EXPECT_EQ(sdlbackend::supportfolder("", "/home/u", nullptr), "/home/u/.local/share");
    EXPECT_EQ(sdlbackend::supportfolder(nullptr, "/home/u/", nullptr), "/home/u/.local/share");
}
#endif
