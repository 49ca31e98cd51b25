// Day numbers: every date in Nubo and in the sheet files is a count of days, day 0 being Sunday
// 31 December 2017, so the weekday of day d is d mod 7 (0 Sunday). Gregorian leap years throughout.
#pragma once

#include <string>

namespace nubo {

// Today, worked out once at start-up; today does not advance while Nubo runs.
extern int numg, numm, numa;  // day of month, month, year of today
extern int bise;              // February length of the year of the last date converted
extern int giornoattuale;     // today's day number

// Names of the day last given to meseegiorno.
extern std::string nomeg;  // weekday name, cut to three characters in full-detail mode
extern int numerog;        // day of the month
extern std::string nomem;  // month name

// Sets giornoattuale (and numg, numm, numa, bise) from the platform's date text "%d %b %Y".
void numerooggi();
// Sets nomeg, numerog, nomem and bise for day number d.
void meseegiorno(int d);

// The day number of a calendar date, and the date of a day number.
int numerodadata(int anno, int mese, int giornomese);
void datadanumero(int d, int& anno, int& mese, int& giornomese);

void resetdays();

}  // namespace nubo
