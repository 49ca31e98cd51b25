// Fonts, sounds and images, loaded once at start-up from the embedded files and kept for the run.
#pragma once

#include "app/platform.h"

namespace nubo {

// Fonts: the board's texts, the editor's and panel's texts, the editor's date labels.
extern plat::Font scritturapiccolissima, scrittura, scritturapiccola;

// Sounds: the click of buttons and keys, the editor's cancel, confirm and placing a moved item.
extern plat::Sound tick, esci, conferma;

// Item menu and editor buttons.
extern plat::Image inseri, modif, conclu, colle, sposta, copia, incolla, confe, annulla, su, giu;
// Board pictures: settings icon, ghost box, home button, farewell face, example note, the arrow
// under a box with a fourth line, the delay mark.
extern plat::Image setti, move, home, clo, example, frecc, rita;

constexpr int maxtag = 11;
extern plat::Image tgaimm[maxtag];  // item icons; 0 is the editor's "no icon" choice

void caricafont();
void caricasuoni();
void caricaimmagini();

}  // namespace nubo
