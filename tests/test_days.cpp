// Day numbers and the names the board's header and the editor show for them.
#include <gtest/gtest.h>

#include "app/lingua.h"
#include "app/state.h"
#include "schedule/days.h"
#include "tests/fixture.h"

namespace nubo {
namespace {

std::string header(int d) {
    meseegiorno(d);
    return nomeg + " " + std::to_string(numerog) + " " + nomem;
}

class Days : public Nubo {
protected:
    void SetUp() override {
        Nubo::SetUp();
        costruiscilingua();
    }
};

struct Worked {
    int year, month, day, number;
    const char* full;
    const char* reduced;
};

TEST_F(Days, WorkedDatesConvertBothWaysWithTheirHeaders) {
    const Worked cases[] = {
        {2018, 1, 1, 1, "Mon 1 jan.", "Monday 1 jan."},
        {2019, 12, 31, 730, "Tue 31 dec.", "Tuesday 31 dec."},
        {2020, 2, 29, 790, "Sat 29 feb.", "Saturday 29 feb."},
        {2020, 3, 1, 791, "Sun 1 mar.", "Sunday 1 mar."},
        {2020, 12, 31, 1096, "Thu 31 dec.", "Thursday 31 dec."},
        {2021, 1, 1, 1097, "Fri 1 jan.", "Friday 1 jan."},
        {2021, 3, 1, 1156, "Mon 1 mar.", "Monday 1 mar."},
        {2022, 12, 31, 1826, "Sat 31 dec.", "Saturday 31 dec."},
        {2017, 12, 31, 0, "Sun 31 dec.", "Sunday 31 dec."},
        {2018, 1, 7, 7, "Sun 7 jan.", "Sunday 7 jan."},
        {2017, 12, 30, -1, "Sat 30 dec.", "Saturday 30 dec."},
        {2016, 2, 29, -671, "Mon 29 feb.", "Monday 29 feb."},
        {2025, 5, 9, 2686, "Fri 9 may", "Friday 9 may"},
        {2100, 3, 1, 30010, "Mon 1 mar.", "Monday 1 mar."},  // 2100 has no 29 February
        {1999, 1, 1, -6939, "Fri 1 jan.", "Friday 1 jan."},
    };
    for (const Worked& c : cases) {
        SCOPED_TRACE(c.full);
        EXPECT_EQ(numerodadata(c.year, c.month, c.day), c.number);
        dettagli = 1;
        EXPECT_EQ(header(c.number), c.full);
        dettagli = -1;
        EXPECT_EQ(header(c.number), c.reduced);
    }
}

TEST_F(Days, FebruaryLengthFollowsTheDaysYear) {
    const int cases[][2] = {{2020, 29}, {2021, 28}, {2000, 29}, {2100, 28}, {2024, 29}, {1900, 28}};
    for (const auto& c : cases) {
        meseegiorno(numerodadata(c[0], 6, 1));
        EXPECT_EQ(bise, c[1]) << c[0];
    }
}

TEST_F(Days, ConsecutiveDaysAreConsecutiveDatesFarBothWays) {
    int y, m, d;
    datadanumero(-200000, y, m, d);
    for (int n = -200000; n < 200000; n++) {
        int y2, m2, d2;
        datadanumero(n + 1, y2, m2, d2);
        const bool nextday = y2 == y && m2 == m && d2 == d + 1;
        const bool nextmonth = y2 == y && m2 == m + 1 && d2 == 1;
        const bool nextyear = y2 == y + 1 && m == 12 && d == 31 && m2 == 1 && d2 == 1;
        ASSERT_TRUE(nextday || nextmonth || nextyear) << n;
        ASSERT_EQ(numerodadata(y2, m2, d2), n + 1);
        y = y2, m = m2, d = d2;
    }
}

TEST_F(Days, TodayComesFromTheDateText) {
    const std::pair<const char*, int> cases[] = {
        {"01 Jan 2018", 1}, {"29 Feb 2020", 790}, {"09 Dec 2025", 2900}, {"11 Dec 2026", 3267}, {"31 Dec 2017", 0}};
    for (const auto& [text, number] : cases) {
        fake::setdate(text);
        numerooggi();
        EXPECT_EQ(giornoattuale, number) << text;
    }
    fake::setdate("29 Feb 2020");
    numerooggi();
    EXPECT_EQ(numg, 29);
    EXPECT_EQ(numm, 2);
    EXPECT_EQ(numa, 2020);
    EXPECT_EQ(bise, 29);
}

TEST_F(Days, ItalianBuildShortensToItalianNames) {
    lingua[0] = "Domenica";
    lingua[7] = "gen.";
    dettagli = 1;
    meseegiorno(numerodadata(2018, 1, 7));
    EXPECT_EQ(nomeg, "Dom");
    EXPECT_EQ(nomem, "gen.");
}

}  // namespace
}  // namespace nubo
