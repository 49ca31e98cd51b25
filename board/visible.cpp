#include "board/visible.h"

#include <cstdint>

#include "app/state.h"
#include "schedule/days.h"
#include "schedule/items.h"

namespace nubo {

int visui[maxvisibili], visux[maxvisibili], visufx[maxvisibili], visuv[maxvisibili], colore[maxvisibili],
    visulink[maxvisibili];
int visu;

namespace {

// Hand-edited sheets may hold any day or row; positions far off screen are held at a distance
// that keeps every later sum within 32 bits.
constexpr int64_t lontano = 1 << 24;

int tenuto(int64_t v) { return static_cast<int>(v < -lontano ? -lontano : (v > lontano ? lontano : v)); }

// Left edge of the column of day d, with F the day of the first column.
int64_t col(int64_t d, int64_t F) { return (d - F) * dx; }

}  // namespace

void refresh() {
    visu = 0;
    const int64_t F = static_cast<int64_t>(giorno) - offsetgiorno;
    const int64_t L = F + maxoriz;
    const int q = dx / 4, h = dx / 2;
    for (int i = 0; i < indice && visu < maxvisibili; i++) {
        const int64_t s = giornoinizio[i], f = giornofine[i];
        const int e = visu;
        visux[e] = 0;
        visufx[e] = schermox;
        colore[e] = 10;
        visuv[e] = 0;
        visulink[e] = -1;
        bool shown = false;
        if (F <= s && s <= L) {
            visux[e] = tenuto(col(s, F) + q);
            shown = true;
        }
        if (F <= f && f <= L) {
            visufx[e] = tenuto(col(f, F) + q);
            if (f == s) {
                visux[e] = tenuto(col(s, F));
                visufx[e] = tenuto(col(s, F) + h);
            }
            shown = true;
        }
        if (s <= F && f >= L) {
            visux[e] = 0;
            visufx[e] = schermox;
            shown = true;
        }
        if (shown) {
            visui[e] = i;
            visuv[e] = verticale[i] > schermoy - 20 ? schermoy - 19 : tenuto(verticale[i]);
            colore[e] = stato[i];
            visulink[e] = link[i];
            visu++;
        }
        if ((stato[i] == 1 || stato[i] == 3) && f < giornoattuale && visu < maxvisibili) {
            const int x = visu;
            const int64_t inizio = col(f, F) + dx - q;
            visux[x] = inizio < h ? 0 : tenuto(inizio);
            visufx[x] = tenuto(col(giornoattuale, F) + q);
            visuv[x] = tenuto(verticale[i]);
            visui[x] = i;
            visulink[x] = -1;
            colore[x] = stato[i] == 1 ? 4 : 5;
            visu++;
        }
    }
}

void resetvisible() {
    for (int e = 0; e < maxvisibili; e++) visui[e] = visux[e] = visufx[e] = visuv[e] = colore[e] = visulink[e] = 0;
    visu = 0;
}

}  // namespace nubo
