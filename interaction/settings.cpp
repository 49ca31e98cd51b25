#include "interaction/settings.h"

#include <cstdlib>

#include "app/lingua.h"
#include "app/media.h"
#include "app/platform.h"
#include "app/state.h"
#include "board/palette.h"
#include "board/visible.h"
#include "interaction/update.h"

namespace nubo {

int settings;
std::string ultimaversione;

namespace {

void marcatore(const char* nome, bool presente) {
    const std::string file = path + "\\" + nome;
    if (presente)
        plat::createemptyfile(file);
    else
        plat::deletefile(file);
}

// A larger window, or back to 1200 x 720; the screen may not give the width asked for.
void finestra(int& scelta, int& altra, int w, int h, const char* nome, const char* nomealtra) {
    scelta = -scelta;
    altra = -1;
    if (scelta == 1) {
        schermox = w;
        schermoy = h;
    } else {
        schermox = 1200;
        schermoy = 720;
    }
    marcatore(nome, scelta == 1);
    marcatore(nomealtra, false);
    plat::openwindow(schermox, schermoy);
    if (schermox > plat::windowwidth()) {
        schermox = 1200;
        schermoy = 720;
        plat::openwindow(schermox, schermoy);
        marcatore(nome, false);
        marcatore(nomealtra, false);
    }
    maxoriz = schermox / 100;
    maxverticale = schermoy / 48;
    plat::setblendalpha();
    settacolori();
    refresh();
}

void grigio(int n) { plat::setcolour(n, n, n); }

void segno(int r, int y) {
    plat::setcolour(240, 240, 240);
    plat::fillrect(static_cast<float>(r - 367), static_cast<float>(y + 3), 14, 14);
    grigio(70);
}

}  // namespace

void clickicona() {
    if (mox > schermox - 40 && moy < 40) {
        settings = -settings;
        plat::playsound(tick);
    }
}

void clickpannello() {
    if (settings != 1 || !(schermox - 370 < mox && mox < schermox - 350) || moy < 51) return;
    if (moy <= 69) {
        colori = static_cast<unsigned char>(1 - colori);
        settacolori();
        marcatore("light", colori == 1);
    } else if (moy >= 91 && moy <= 109) {
        dettagli = -dettagli;
        attesaf = dettagli == -1 ? 60 : 30;
        marcatore("details", dettagli == -1);
    } else if (moy >= 131 && moy <= 149) {
        finestra(extrarighe, extrarighe2, 1800, 970, "extra", "extra2");
    } else if (moy >= 171 && moy <= 189) {
        finestra(extrarighe2, extrarighe, 1400, 840, "extra2", "extra");
    } else if (moy >= 211 && moy <= 229) {
        rightalign = -rightalign;
        marcatore("left", rightalign == -1);
    } else if (moy >= 251 && moy <= 269) {
        controllaaggiornamenti();
    }
}

void disegnapannello() {
    const int r = schermox;
    grigio(100);
    plat::fillrect(static_cast<float>(r - 380), 20, 370, 280);
    grigio(70);
    const bool acceso[5] = {colori == 1, dettagli == -1, extrarighe == 1, extrarighe2 == 1, rightalign == -1};
    for (int k = 0; k < 6; k++) {
        const int y = 50 + 40 * k;
        plat::fillrect(static_cast<float>(r - 370), static_cast<float>(y), 20, 20);
        if (k < 5 && acceso[k]) segno(r, y);
    }
    plat::setcolour(200, 200, 200);
    plat::setfont(scrittura);
    const float x = static_cast<float>(r - 340);
    plat::drawtext(lingua[29], x, 49);
    plat::drawtext(lingua[30], x, 89);
    plat::drawtext(lingua[31] + " (1920)", x, 129);
    plat::drawtext(lingua[31] + " (1440)", x, 169);
    plat::drawtext(lingua[36], x, 209);
    if (ultimaversione.empty()) {
        plat::drawtext(lingua[33], x, 249);
    } else if (ultimaversione.size() > 4) {
        ultimaversione.clear();
    } else {
        segno(r, 250);
        if (std::atoi(ultimaversione.c_str()) == std::atoi(Build.c_str())) {
            plat::setcolour(120, 255, 120);
            plat::drawtext(lingua[35], x, 249);
        } else {
            plat::setcolour(255, 120, 120);
            plat::drawtext(lingua[34], x, 249);
        }
    }
}

void resetsettings() {
    settings = -1;
    ultimaversione.clear();
}

}  // namespace nubo
