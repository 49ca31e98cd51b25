#include "interaction/overlays.h"

#include "app/lingua.h"
#include "app/media.h"
#include "app/platform.h"
#include "app/state.h"
#include "board/palette.h"
#include "interaction/menu.h"
#include "interaction/navigation.h"
#include "interaction/settings.h"
#include "schedule/sheetfiles.h"

namespace nubo {

namespace {

// Blink phase for cursors, the settings icon and the arrow under a box below the window.
void lampeggia() {
    if (plat::millisecs() > attesa) {
        lampeggio = -lampeggio;
        attesa = plat::millisecs() + 400;
    }
}

std::string misura;  // reused for measuring the sheet label

}  // namespace

void disegnaoverlay() {
    if (spostamento == 1) {
        plat::setcolour(255, 255, 255);
        plat::drawimage(move, static_cast<float>(mox - dx / 2), static_cast<float>(moy - dy / 2));
    }
    lampeggia();
    if (settings == 1) disegnapannello();
    if (casa == 1) {
        plat::setcolour(255, 255, 255);
        plat::drawimage(home, static_cast<float>(schermox / 2 - 22), static_cast<float>(schermoy - 47));
    }
    if (settings == 1 && lampeggio == 1)
        plat::setcolour(150, 150, 150);
    else
        plat::setcolour(255, 255, 255);
    plat::drawimage(setti, static_cast<float>(schermox - 40), 0);
    if (onexample == 1) {
        plat::setcolour(255, 255, 255);
        plat::drawimage(example, 400, 200);
        plat::drawimage(clo, 320, 170);
    }
    if (onscreen == 1) {
        plat::setcolour(70, 70, 70);
        plat::setfont(scrittura);
        plat::drawtext(lingua[32], static_cast<float>(schermox / 2 - 300), static_cast<float>(schermoy - 45));
        plat::setfont(scritturapiccolissima);
    }
    if (!sovra.empty()) {
        plat::setfont(scrittura);
        colorepalette(11);
        misura.assign(sovra);
        misura += "15";
        const int w = plat::textwidth(misura);
        plat::drawtext(sovra, static_cast<float>(30 - w / 2), static_cast<float>(schermoy - 27));
    }
}

}  // namespace nubo
