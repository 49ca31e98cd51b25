#include "board/board.h"

#include <cstdint>
#include <string>

#include "app/media.h"
#include "app/platform.h"
#include "app/state.h"
#include "board/boxes.h"
#include "board/palette.h"
#include "board/visible.h"
#include "schedule/days.h"
#include "schedule/items.h"

namespace nubo {

int selezionato, noselez, visualizzaingrandito;
int spessore, deltay;
bool freccia;

namespace {

std::string intestazione;  // reused every frame, so headings cost no allocation

void intestazioneegriglia() {
    colorepalette(11);
    plat::fillrect(0, 0, static_cast<float>(schermox), 15);
    for (int k = 0; k < maxoriz; k++) {
        const int d = giorno - offsetgiorno + k;
        meseegiorno(d);
        const float x = static_cast<float>(dx * k);
        if (!nomeg.empty() && (nomeg[0] == 'D' || nomeg[0] == 'S')) {
            colorepalette(12);
            plat::fillrect(x + 1, 16, dx - 1, static_cast<float>(schermoy - 16));
        }
        if (d == giornoattuale) {
            colorepalette(13);
            plat::fillrect(x + 1, 16, dx - 1, static_cast<float>(schermoy - 16));
        }
        colorepalette(14);
        plat::drawline(x + dx, 0, x + dx, static_cast<float>(schermoy));
        plat::setcolour(255, 255, 255);
        intestazione.assign(nomeg);
        intestazione += ' ';
        intestazione += std::to_string(numerog);
        intestazione += ' ';
        intestazione += nomem;
        plat::drawtext(intestazione, x + 5, 0);
    }
    colorepalette(14);
    for (int k = 0; k < maxverticale; k++) {
        const float y = static_cast<float>(dy * k + 15);
        plat::drawline(0, y, static_cast<float>(schermox), y);
    }
}

// Days from a to b, held within 32 bits for dates a hand-edited sheet may hold.
int64_t giornitra(int a, int b) { return static_cast<int64_t>(b) - a; }

void segnoritardo(int i, int n) {
    light = 1.0f;
    settacolore(i);
    plat::drawimage(rita, static_cast<float>(visufx[i] + dx / 3), static_cast<float>(visuv[i] + deltay + 25));
    plat::setcolour(0, 0, 0);
    if (colore[i] == 4 && giornitra(giornoinizio[n], giornoattuale) >= 11 && plat::randomint(1, 2) == 1)
        plat::setcolour(255, 255, 255);
    plat::drawtext(std::to_string(giornitra(giornofine[n], giornoattuale)),
                   static_cast<float>(visufx[i] + dx / 3 + 5), static_cast<float>(visuv[i] + deltay + 24));
}

void icona(int i, int n) {
    const int c = colore[i];
    plat::setscale(0.6f, 0.6f);
    plat::setcolour(255, 255, 255);
    const int t = tag[n];
    if (t > 0 && t < maxtag) {
        int o = 0;
        if (c == 7 || c == 8) {
            o = 10;
            plat::setscale(0.4f, 0.4f);
        }
        plat::drawimage(tgaimm[t], static_cast<float>(visufx[i] + dx / 2 - 10 + o / 4),
                        static_cast<float>(visuv[i] + o - 10));
    }
    plat::setscale(1, 1);
}

void telefonoentry(int i, int n) {
    const int c = colore[i];
    int r = 0;
    if (c == 4 || c == 5) {
        const int64_t ritardo = giornitra(giornofine[n], giornoattuale);
        if (ritardo > 2) r = 15;
        if (ritardo < 4 || (rightalign == 1 && riga2[n].size() >= 21)) return;
    }
    const std::string& tel = telefono[n];
    const int W = plat::textwidth(tel);
    if (i == selezionato) light = 0.8f;
    settacolore(i);
    if (tel.size() >= 4)
        plat::fillrect(static_cast<float>(visufx[i] + dx / 2 - 5 - r - W), static_cast<float>(visuv[i] + 30),
                       static_cast<float>(W + 3), 13);
    plat::setcolour(0, 0, 0);
    if (!tel.empty())
        plat::drawtext(tel, static_cast<float>(visufx[i] + dx / 2 - 4 - r - W), static_cast<float>(visuv[i] + 28));
}

void entry(int i) {
    const int n = visui[i];
    const int c = colore[i];
    if (c == 4 || c == 5) {
        spessore = 30;
        deltay = 10;
    } else if (c == 7 || c == 8) {
        spessore = 25;
        deltay = 13;
    } else {
        spessore = 40;
        deltay = 0;
    }
    const int top = visuv[i] + deltay;
    float f = 1.0f;
    if (plat::millisecs() > noselez && visux[i] < mox && mox < visufx[i] + dx / 2 && top < moy &&
        moy < top + spessore + 7) {
        selezionato = i;
        f = 0.8f;
    }
    if (visulink[i] >= 0) disegnacollegamento(i);
    freccia = riga4[n].size() > 1;
    rettangolo(f, visux[i], top, visufx[i] - visux[i] + dx / 2, spessore, i, freccia ? 1 : 0);
    plat::setcolour(0, 0, 0);
    if ((c == 4 || c == 5) && giornitra(giornofine[n], giornoattuale) >= 3) segnoritardo(i, n);
    plat::setcolour(0, 0, 0);
    scrivitesti(i);
    if (dettagli == 1 && c != 4 && c != 5) icona(i, n);
    telefonoentry(i, n);
}

}  // namespace

void rettangolo(float factor, int x, int y, int w, int h, int entry, unsigned char arrow) {
    if (y > schermoy - 20) {
        if (lampeggio == -1)
            plat::setcolour(255, 255, 0);
        else
            plat::setcolour(255, 0, 0);
        plat::drawimage(giu, static_cast<float>(x + 20), static_cast<float>(schermoy - 42));
        y = schermoy - 20;
    }
    const float X = static_cast<float>(x), Y = static_cast<float>(y), W = static_cast<float>(w),
                H = static_cast<float>(h);
    if (dettagli == 1) {
        light = 0.9f * factor;
        settacolore(entry);
        plat::drawline(X + 3, Y, X + W - 4, Y);
    }
    light = factor;
    settacolore(entry);
    plat::fillrect(X + 1, Y + 1, W - 2, 2);
    plat::fillrect(X, Y + 3, W, H - 2);
    plat::fillrect(X + 1, Y + H + 1, W - 2, 2);
    if (dettagli == 1) {
        light = 0.9f * factor;
        settacolore(entry);
        plat::drawline(X + 3, Y + H + 3, X + W - 4, Y + H + 3);
        plat::drawline(X, Y + 3, X, Y + H);
        plat::drawline(X + W - 1, Y + 3, X + W - 1, Y + H);
    }
    light = factor;
    settacolore(entry);
    if (arrow == 1) plat::drawimage(frecc, X + 15, Y + H + 3);
    plat::setcolour(255, 255, 255);
}

void disegnatabellone() {
    plat::clearframe();
    plat::setfont(scritturapiccolissima);
    intestazioneegriglia();
    if (plat::millisecs() > noselez) selezionato = -1;
    for (int i = 0; i < visu; i++) entry(i);
    disegnaingrandito();
    plat::setcolour(255, 255, 255);
}

void resetboard() {
    selezionato = -1;
    noselez = 0;
    visualizzaingrandito = 0;
    spessore = deltay = 0;
    freccia = false;
    intestazione.clear();
    intestazione.reserve(64);
}

}  // namespace nubo
