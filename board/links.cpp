// Link lines: from the right end of the linked item's box to the box of the item that holds the
// link, computed from the linked item's own days and row so they show even when it is off screen.
#include <cstdint>
#include <cstdlib>

#include "app/platform.h"
#include "app/state.h"
#include "board/boxes.h"
#include "board/palette.h"
#include "board/visible.h"
#include "schedule/items.h"

namespace nubo {

namespace {

// Coordinates of a hand-edited sheet may be anywhere; held where float and int both hold them.
constexpr int64_t lontano = 1 << 24;
int64_t tieni(int64_t v) { return v < -lontano ? -lontano : (v > lontano ? lontano : v); }

struct Punto {
    float x, y;
};

void tresegmenti(const Punto (&p)[4]) {
    for (int k = 0; k < 3; k++) plat::drawline(p[k].x, p[k].y, p[k + 1].x, p[k + 1].y);
}

Punto punto(int64_t x, int64_t y) { return {static_cast<float>(tieni(x)), static_cast<float>(tieni(y))}; }

}  // namespace

void disegnacollegamento(int i) {
    const int L = visulink[i];
    if (L < 0 || L >= indice) return;  // a hand-edited link to no loaded item
    const int64_t vi = visuv[i], x0 = visux[i], x1 = visufx[i];
    const int64_t vL = tieni(verticale[L]), sL = giornoinizio[L], fL = giornofine[L];
    const int64_t F = static_cast<int64_t>(giorno) - offsetgiorno;

    float ancora = static_cast<float>(dx) / 1.3f + static_cast<float>(tieni(fL - F)) * static_cast<float>(dx);
    int64_t A = static_cast<int64_t>(ancora);
    if (A < 0) A = 0;
    if (sL == fL) A += 25;
    if (A < dx / 3) A = 0;

    Punto p[4];
    if (x0 >= A) {
        const int64_t delta = (vL - vi) / 10;
        p[0] = punto(A - 1, vL + dy / 2);
        p[1] = punto(A + 15, vL + dy / 2 - delta);
        p[2] = punto(x0 - 15, vi + dy / 2 + delta);
        p[3] = punto(x0, vi + dy / 2);
    } else {
        const int64_t X = A - (tieni(std::llabs(sL - fL)) * dx) / 3;
        if (vi > vL) {
            p[0] = punto(X - 50, vL + dy - 7);
            p[1] = punto(X - 50, vL + dy + 2);
            p[2] = punto(x1 - dx / 2 + 10, vi - 10);
            p[3] = punto(x1 - dx / 2 + 10, vi + 1);
        } else if (stato[L] == 7 || stato[L] == 8) {
            p[0] = punto(X - 50, vL + dy / 4);
            p[1] = punto(X - 50, vL);
            p[2] = punto(x1 - dx / 2, vi + dy + 5);
            p[3] = punto(x1 - dx / 2, vi + dy - 6);
        } else {
            p[0] = punto(X - 50, vL);
            p[1] = punto(X - 50, vL - dy / 4);
            p[2] = punto(x1 - dx / 2 + 10, vi + dy + 6);
            p[3] = punto(x1 - dx / 2 + 10, vi + dy - 6);
        }
    }
    light = 1.0f;
    settacolore(i);
    plat::setlinewidth(3);
    tresegmenti(p);
    if (dettagli == 1) {
        light = 0.9f;
        settacolore(i);
        plat::setlinewidth(1);
        tresegmenti(p);
    }
    plat::setlinewidth(1);
}

}  // namespace nubo
