#include "interaction/navigation.h"

#include <cstdlib>

#include "app/media.h"
#include "app/platform.h"
#include "app/state.h"
#include "board/board.h"
#include "board/visible.h"
#include "interaction/menu.h"
#include "interaction/settings.h"
#include "schedule/days.h"
#include "schedule/items.h"
#include "schedule/sheetfiles.h"

namespace nubo {

int scroll, timerflushmouse;
unsigned char casa;
std::string sovra;
int puntoy, oldmoy;

namespace {

// What every move through time does besides changing giorno.
void spostatogiorno() {
    visualizzaingrandito = 0;
    onexample = 0;
    refresh();
    chiudimenu();
    casa = std::abs(static_cast<long long>(giorno) - giornoattuale) >= 16 ? 1 : 0;
}

void rotella() {
    scroll = plat::wheel() - oldz;
    oldz = plat::wheel();
    if (plat::millisecs() > timerflushmouse) {
        oldz = 0;
        plat::flushmouse();
        timerflushmouse = plat::millisecs() + 60000;
    }
    if (scroll != 0) {
        giorno -= scroll;
        spostatogiorno();
        timerflushmouse = plat::millisecs() + 300;
    }
}

void frecce() {
    if (plat::keydown(plat::kleft)) {
        giorno -= 1;
        spostatogiorno();
    }
    if (plat::keydown(plat::kright)) {
        giorno += 1;
        spostatogiorno();
    }
}

void cambiafoglio(int n, const char* etichetta) {
    numerodatabase = n;
    resetmemoria();
    caricadatabase(n);
    refresh();
    // The menu, move mode and the selection named items of the sheet that was shown.
    chiudimenu();
    spostamento = 0;
    indicespostamento = 0;
    selezionato = -1;
    plat::playsound(tick);
    sovra = etichetta;
}

void tastifoglio() {
    if (plat::keyhit(plat::kf1)) cambiafoglio(1, "I");
    if (plat::keyhit(plat::kf2)) cambiafoglio(2, "II");
    if (plat::keyhit(plat::kf3)) cambiafoglio(3, "III");
}

void bottonecasa() {
    if (casa == 1 && schermox / 2 - 22 < mox && mox < schermox / 2 + 22 && moy > schermoy - 47) {
        plat::playsound(tick);
        giorno = giornoattuale;
        refresh();
        casa = 0;
    }
}

void ingrandisci() {
    if (selezionato < 0) return;
    visualizzaingrandito = visualizzaingrandito != 1 ? 1 : 0;
    oldmoy = moy;
}

void trascina() {
    const int s = selezionato;
    inx = mox;
    if (moy > schermoy - 20) moy = schermoy - 20;
    if (plat::millisecs() > noselez) puntoy = moy - visuv[s];
    noselez = plat::millisecs() + 300;
    if (std::abs(moy - oldmoy) >= 3) visualizzaingrandito = 0;
    oldmoy = moy;
    visuv[s] = moy - puntoy;
    verticale[visui[s]] = moy - puntoy;
    refresh();
}

}  // namespace

void inputtabellone() {
    rotella();
    frecce();
    tastifoglio();
    if (plat::mousehit(1)) {
        onexample = 0;
        if (spostamento == 1) posaspostamento();
        clickpannello();
        colpiscimenu();
        clickicona();
        bottonecasa();
        ingrandisci();
        comandomenu();
    }
    if (plat::mousedown(1) && selezionato >= 0) trascina();
    if (plat::mousehit(2)) aprimenu();
}

void resetnavigation() {
    scroll = timerflushmouse = 0;
    casa = 0;
    sovra.clear();
    puntoy = oldmoy = 0;
}

}  // namespace nubo
