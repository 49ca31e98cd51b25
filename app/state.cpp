#include "app/state.h"

namespace nubo {

const std::string Build = "308";

int schermox, schermoy, maxoriz, maxverticale, offsetgiorno;
int extrarighe, extrarighe2, rightalign;
unsigned char colori;
int dettagli, attesaf;
std::string path;
int giorno, numerodatabase;
bool finestrainserimento;
int mox, moy, oldz, lampeggio, attesa;

void resetstate() {
    schermox = 1200;
    schermoy = 720;
    maxoriz = schermox / 100;
    maxverticale = schermoy / 48;
    offsetgiorno = 6;
    extrarighe = -1;
    extrarighe2 = -1;
    rightalign = 1;
    colori = 0;
    dettagli = 1;
    attesaf = 30;
    path.clear();
    giorno = 0;
    numerodatabase = 1;
    finestrainserimento = false;
    mox = moy = oldz = 0;
    lampeggio = -1;
    attesa = 0;
}

}  // namespace nubo
