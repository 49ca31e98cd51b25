#include "editor/form.h"

#include <cstdint>
#include <string>

#include "app/lingua.h"
#include "app/media.h"
#include "app/platform.h"
#include "app/state.h"
#include "board/board.h"
#include "board/palette.h"
#include "board/visible.h"
#include "editor/commands.h"
#include "editor/editor.h"
#include "editor/matrix.h"
#include "interaction/menu.h"
#include "schedule/days.h"

namespace nubo {

namespace {

void grigio(int n) { plat::setcolour(n, n, n); }

void rett(int x, int y, int w, int h) {
    plat::fillrect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w), static_cast<float>(h));
}

void testo(const std::string& s, int x, int y) { plat::drawtext(s, static_cast<float>(x), static_cast<float>(y)); }

void immagine(const plat::Image& img, int x, int y) {
    plat::drawimage(img, static_cast<float>(x), static_cast<float>(y));
}

bool dentro(int x0, int x1, int y0, int y1) { return mox >= x0 && mox <= x1 && moy >= y0 && moy <= y1; }

std::string data;  // a date label, reused

const std::string& etichettadata(int64_t d) {
    meseegiorno(static_cast<int>(d < INT32_MIN + 400 ? INT32_MIN + 400 : (d > INT32_MAX - 400 ? INT32_MAX - 400 : d)));
    data.assign(nomeg);
    data += ' ';
    data += std::to_string(numerog);
    data += ' ';
    data += nomem;
    return data;
}

// The stripe's colour and the lit height of the description field follow what is edited.
void striscia(int& H) {
    H = 63;
    int slot = 1;
    if (selezionato >= 0) {
        slot = colore[selezionato];
        if (slot == 4 || slot == 5) H = 43;
    }
    if (collegamento >= 0) {
        slot = 1;
        H = 63;
    }
    if (statoevento == 2) slot = 2;
    if (statoevento == 3) slot = 3;
    colorepalette(slot);
    rett(216, 140, 4, H);
}

const int xicone[11] = {205, 261, 317, 373, 429, 485, 541, 597, 653, 706, 750};

}  // namespace

void disegnamodulo() {
    const bool ritardo = hiddaselezgiono == 1;
    grigio(50);
    rett(200, 100, 600, 400);
    plat::setcolour(255, 255, 255);
    immagine(confe, 660, 400);
    immagine(annulla, 660, 460);
    grigio(70);
    if (!concludi) {
        rett(575, 115, 20, 20);
        rett(665, 115, 20, 20);
    }
    rett(320, 405, 40, 40);
    int H;
    striscia(H);
    grigio(60);
    if (giornofinale == 1) {
        rett(470, 140, 310, H);
        rett(470, 340, 310, 35);
    } else if (giornofinale == 2) {
        rett(560, 140, 220, H);
        rett(560, 340, 220, 35);
    }
    const int W = giornofinale == 1 ? 250 : (giornofinale == 2 ? 340 : 560);
    grigio(68);
    rett(220, 340, W, 35);
    rett(220, 140, W, H);
    grigio(60);
    rett(220, 140 + H, 560, 110 - H);
    grigio(190);
    rett(376, 440, 30, 20);
    rett(411, 440, 30, 20);
    rett(446, 440, 30, 20);
    plat::setcolour(255, 255, 255);
    if (!concludi) {
        if (statoevento == 2) rett(578, 118, 14, 14);
        if (statoevento == 3) rett(668, 118, 14, 14);
    }
    grigio(170);
    plat::setfont(scrittura);
    testo(lingua[21], 220, 114);
    if (!concludi) {
        testo(lingua[23], 600, 114);
        testo(lingua[22], 690, 114);
    }
    testo(lingua[24], 220, 315);
    plat::setcolour(255, 255, 255);
    immagine(su, 320, 385);
    immagine(giu, 320, 449);
    grigio(50);
    testo(ritardo ? "1" : "7", 387, 438);
    testo(ritardo ? "2" : "15", 415, 438);
    testo(ritardo ? "3" : "30", 450, 438);
    if (inputtesto == 2)
        plat::setcolour(255, 255, 255);
    else
        grigio(220);
    testo(telemail, 222, 345);
    if (inputtesto == 2 && lampeggio == 1) {
        plat::setcolour(255, 255, 255);
        rett(224 + plat::textwidth(telemail), 349, 4, 16);
    }
    plat::setcolour(255, 255, 255);
    if (apriselezionetag == 1) {
        grigio(70);
        rett(200, 505, 600, 60);
        plat::setcolour(255, 255, 255);
        for (int i = 0; i < maxtag; i++) immagine(tgaimm[i], xicone[i], 510);
    }
    if (numerotag < maxtag) immagine(tgaimm[numerotag], 530, 400);
    plat::setscale(1.2f, 1.2f);
    testo(std::to_string(giornofinale), 328, 410);
    plat::setscale(1, 1);
    plat::setfont(scritturapiccola);
    grigio(170);
    if (!ritardo) {
        testo(etichettadata(static_cast<int64_t>(giornoselezionato) + giornofinale - 1), 376, 416);
        testo(lingua[25], 220, 407);
        testo(lingua[26], 220, 421);
        grigio(150);
        testo(etichettadata(giornoselezionato), 440, 100);
    } else {
        testo(lingua[27], 220, 407);
        testo(lingua[28], 220, 421);
    }
    plat::setfont(scritturapiccolissima);
}

void clickmodulo() {
    if (inputtesto == 1) posizionacursore(mox, moy);
    const bool ritardo = hiddaselezgiono == 1;
    if (dentro(321, 359, 386, 404)) {
        plat::playsound(tick);
        giornofinale++;
    }
    const int scelte[3][2] = {{7, 1}, {15, 2}, {30, 3}};
    for (int k = 0; k < 3; k++)
        if (dentro(377 + 35 * k, 405 + 35 * k, 441, 459)) {
            plat::playsound(tick);
            giornofinale = scelte[k][ritardo ? 1 : 0];
        }
    if (dentro(321, 359, 450, 468)) {
        plat::playsound(tick);
        giornofinale--;
        const int minimo = ritardo ? 0 : (statoevento == 2 ? 1 : 2);
        if (giornofinale < minimo) giornofinale = minimo;
    }
    if (dentro(661, 784, 461, 491)) annullaeditor();
    if (!concludi && dentro(576, 594, 116, 134)) {
        plat::playsound(tick);
        if (statoevento == 2) {
            statoevento = 1;
            if (giornofinale < 2) giornofinale = 2;
        } else {
            statoevento = 2;
        }
    }
    if (!concludi && dentro(666, 684, 116, 134)) {
        plat::playsound(tick);
        if (statoevento == 3) {
            statoevento = 1;
        } else {
            statoevento = 3;
            if (giornofinale == 1) giornofinale = 2;
        }
    }
    if (dentro(661, 784, 401, 449)) confermaeditor();
    if (dentro(531, 593, 401, 463)) {
        plat::playsound(tick);
        apriselezionetag = 1;
    }
    if (apriselezionetag == 1 && moy >= 511 && moy <= 569) {
        plat::playsound(tick);
        const int limiti[11] = {261, 317, 373, 429, 485, 541, 597, 653, 706, 750, INT32_MAX};
        if (mox >= 206)
            for (int i = 0; i < 11; i++)
                if (mox <= limiti[i]) {
                    numerotag = static_cast<unsigned char>(i);
                    break;
                }
    }
    if (dentro(221, 787, 141, 289))
        inputtesto = 1;
    else if (dentro(221, 779, 341, 379))
        inputtesto = 2;
    else
        inputtesto = 0;
}

void disegnatesto() {
    plat::setfont(scrittura);
    if (inputtesto == 1)
        plat::setcolour(255, 255, 255);
    else
        grigio(200);
    const std::string* linee[righe] = {&riga1r, &riga2r, &riga3r, &riga4r, &riga5r};
    for (int r = 0; r < righe; r++) testo(*linee[r], 224, 140 + 20 * r);
    if (inputtesto == 1 && lampeggio == -1) rett(226 + 10 * curx, 145 + 20 * cury, 3 - insert, 16);
    // A hand-edited line longer than its row is kept whole unless its row is edited: say so.
    for (int r = 0; r < righe; r++)
        if (rigatagliata(r)) {
            plat::setcolour(240, 200, 120);
            testo("row " + std::to_string(r + 1) + " is longer than shown: kept unless edited", 224, 258);
            break;
        }
    plat::setcolour(255, 255, 255);
    if (visualizzaincolla == 1) immagine(incolla, inx, inym - 10);
    if (visualizzacopia == 1) immagine(copia, inx, inym + 24);
    plat::setfont(scritturapiccolissima);
}

}  // namespace nubo
