#include "interaction/menu.h"

#include <cstdint>

#include "app/media.h"
#include "app/platform.h"
#include "app/state.h"
#include "board/board.h"
#include "board/visible.h"
#include "editor/editor.h"
#include "interaction/settings.h"
#include "schedule/days.h"
#include "schedule/items.h"
#include "schedule/sheetfiles.h"

namespace nubo {

unsigned char menu[4];
int inx, iny, alzamenu;
unsigned char scelta;
int selezione, spostamento, indicespostamento;

namespace {

constexpr int larghezzabottone = 135;

void impostamenu(unsigned char a, unsigned char b, unsigned char c, unsigned char d) {
    menu[0] = a;
    menu[1] = b;
    menu[2] = c;
    menu[3] = d;
}

int tenuto(int64_t v) { return static_cast<int>(v < INT32_MIN ? INT32_MIN : (v > INT32_MAX ? INT32_MAX : v)); }

void copiaitem() {
    const int n = visui[selezione];
    plat::setclipboard(riga1[n] + "\r\n" + riga2[n] + "\r\n" + riga3[n] + "\r\n" + riga4[n] + "\r\n" + riga5[n] +
                       "\r\n" + telefono[n]);
}

}  // namespace

void chiudimenu() { impostamenu(0, 0, 0, 0); }

void aprimenu() {
    onexample = 0;
    visualizzaingrandito = 0;
    settings = -1;
    spostamento = 0;
    indicespostamento = 0;
    if (selezionato == -1) {
        impostamenu(1, 0, 0, 0);
    } else {
        selezione = selezionato;
        const int c = colore[selezione];
        const int n = visui[selezione];
        if (c == 1 || c == 3) {
            if (giornofine[n] >= giornoattuale)
                impostamenu(2, 3, 4, 5);
            else
                impostamenu(2, 4, 5, 0);
        } else if (c == 2) {
            impostamenu(2, 4, 5, 0);
        } else if (c == 4 || c == 5) {
            impostamenu(3, 0, 0, 0);
        } else if (c >= 6 && c <= 9) {
            impostamenu(4, 6, 0, 0);
        }
    }
    inx = mox;
    iny = moy;
}

void disegnamenu() {
    plat::setcolour(255, 255, 255);
    int h = 0;
    if (menu[0] != 0) h = 24;
    if (menu[1] != 0) h = 58;
    if (menu[2] != 0 || menu[3] != 0) h = 92;
    alzamenu = iny > schermoy - h ? h : 10;
    const plat::Image* bottoni[7] = {nullptr, &inseri, &modif, &conclu, &colle, &sposta, &copia};
    for (int r = 0; r < 4; r++) {
        const int k = menu[r];
        if (k < 1 || k > 6 || (k == 6 && r != 1)) continue;
        plat::drawimage(*bottoni[k], static_cast<float>(inx), static_cast<float>(iny - alzamenu + 34 * r));
    }
}

void colpiscimenu() {
    scelta = 99;
    if (inx < mox && mox < inx + larghezzabottone) {
        const int a = iny - alzamenu;
        if (a < moy && moy < a + 32)
            scelta = 0;
        else if (a + 34 < moy && moy < a + 66)
            scelta = 1;
        else if (a + 68 < moy && moy < a + 100)
            scelta = 2;
        else if (a + 100 < moy && moy < a + 132)
            scelta = 3;
        else
            chiudimenu();
    } else {
        chiudimenu();
    }
}

void comandomenu() {
    if (scelta > 3) return;
    const int k = menu[scelta];
    if (k == 0) {
        chiudimenu();
        return;
    }
    plat::playsound(tick);
    chiudimenu();
    if (k == 1) {
        aprinuovo();
    } else if (k == 2) {
        aprimodifica();
    } else if (k == 3) {
        apriconcludi();
    } else if (k == 4) {
        aprilinkato();
    } else if (k == 5) {
        spostamento = 1;
        indicespostamento = visui[selezione];
    } else if (k == 6) {
        copiaitem();
    }
}

void posaspostamento() {
    spostamento = 0;
    const int i = indicespostamento;
    if (i < 0 || i >= indice) return;
    const int s = giorno - offsetgiorno + mox / dx;
    giornofine[i] = tenuto(static_cast<int64_t>(giornofine[i]) + s - giornoinizio[i]);
    giornoinizio[i] = s;
    verticale[i] = moy - dy / 2;
    plat::playsound(conferma);
    salvadatabase();
    refresh();
}

void resetmenu() {
    chiudimenu();
    inx = iny = alzamenu = 0;
    scelta = 0;
    selezione = spostamento = indicespostamento = 0;
}

}  // namespace nubo
