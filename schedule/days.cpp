#include "schedule/days.h"

#include <cstdlib>

#include "app/lingua.h"
#include "app/platform.h"
#include "app/state.h"

namespace nubo {

int numg, numm, numa, bise, giornoattuale;
std::string nomeg, nomem;
int numerog;

namespace {

constexpr bool bisestile(long y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// Days from 1 March of year 0 style civil counting (proleptic Gregorian), 0 = 1970-01-01.
constexpr long giornicivili(long y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153L * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void dacivili(long z, long& y, int& m, int& d) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = yoe + era * 400 + (m <= 2);
}

constexpr long giornozero = giornicivili(2017, 12, 31);

const char* const mesiinglesi[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

int numerodadata(int anno, int mese, int giornomese) {
    return static_cast<int>(giornicivili(anno, mese, giornomese) - giornozero);
}

void datadanumero(int d, int& anno, int& mese, int& giornomese) {
    long y;
    dacivili(giornozero + d, y, mese, giornomese);
    anno = static_cast<int>(y);
}

void numerooggi() {
    const std::string t = plat::datetext();
    numg = std::atoi(t.c_str());
    size_t blank = t.find(' ');
    std::string mese = blank == std::string::npos ? "" : t.substr(blank + 1, 3);
    numm = 1;
    for (int i = 0; i < 12; i++)
        if (mese == mesiinglesi[i]) numm = i + 1;
    size_t blank2 = blank == std::string::npos ? std::string::npos : t.find(' ', blank + 1);
    numa = blank2 == std::string::npos ? 2018 : std::atoi(t.c_str() + blank2 + 1);
    bise = bisestile(numa) ? 29 : 28;
    giornoattuale = numerodadata(numa, numm, numg);
}

void meseegiorno(int d) {
    int anno, mese, giornomese;
    datadanumero(d, anno, mese, giornomese);
    bise = bisestile(anno) ? 29 : 28;
    nomeg = lingua[((d % 7) + 7) % 7];
    if (dettagli == 1) nomeg = nomeg.substr(0, 3);
    numerog = giornomese;
    nomem = lingua[6 + mese];
}

void resetdays() {
    numg = numm = numa = 0;
    bise = 28;
    giornoattuale = 0;
    nomeg.clear();
    nomem.clear();
    numerog = 0;
}

}  // namespace nubo
