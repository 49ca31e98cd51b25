#include "editor/editor.h"

#include <cstdint>

#include "app/lingua.h"
#include "app/platform.h"
#include "app/state.h"
#include "board/visible.h"
#include "editor/commands.h"
#include "editor/form.h"
#include "editor/matrix.h"
#include "interaction/menu.h"
#include "schedule/days.h"
#include "schedule/items.h"
#include "schedule/sheetfiles.h"

namespace nubo {

bool inserimento, modifica, concludi;
int hiddaselezgiono, collegamento;
int giornoselezionato, giornofinale;
unsigned char statoevento, numerotag;
std::string telemail;
int apriselezionetag, inputtesto, timerannulla;
int inym, visualizzaincolla, visualizzacopia;
std::string clip;

namespace {

void apri() {
    chiudimenu();
    finestrainserimento = true;
    onscreen = 0;
    timerannulla = plat::millisecs() + 300;
}

void modo(bool nuovo, bool cambia, bool chiudi) {
    inserimento = nuovo;
    modifica = cambia;
    concludi = chiudi;
}

// A day count or day from a hand-edited sheet, held within 32 bits.
int tenuto(int64_t v) { return static_cast<int>(v < INT32_MIN ? INT32_MIN : (v > INT32_MAX ? INT32_MAX : v)); }

void nuovoconcursore() {
    giornofinale = 2;
    statoevento = 1;
    telemail.clear();
    numerotag = 0;
    svuotamatrice();
    curx = cury = 0;
}

}  // namespace

void aprinuovo() {
    apri();
    modo(true, false, false);
    giornoselezionato = inx / dx + giorno - offsetgiorno;
    collegamento = -1;
    nuovoconcursore();
}

void aprimodifica() {
    apri();
    modo(false, true, false);
    inputtesto = 1;
    const int it = visui[selezione];
    telemail = telefono[it];
    numerotag = tag[it];
    giornofinale = tenuto(static_cast<int64_t>(giornofine[it]) - giornoinizio[it] + 1);
    statoevento = stato[it];
    giornoselezionato = giornoinizio[it];
    curx = cury = 0;
    leggifileemettiinmatrice();
}

void apriconcludi() {
    apri();
    modo(false, false, true);
    giornofinale = 0;
    inputtesto = 1;
    const int it = visui[selezione];
    const int c = colore[selezione];
    hiddaselezgiono = c == 4 || c == 5 ? 1 : 0;
    // The form shows the item's own first day and state, not values left by an earlier opening.
    giornoselezionato = giornoinizio[it];
    statoevento = stato[it];
    collegamento = -1;
    if (hiddaselezgiono == 0) {
        telemail = telefono[it];
        numerotag = tag[it];
        curx = cury = 0;
        leggifileemettiinmatrice();
    } else {
        svuotamatrice();
        const std::string& inizio = lingua[c == 4 ? 19 : 20];
        for (size_t i = 0; i < inizio.size() && i <= ultimacolonna; i++)
            carattere[i][0] = static_cast<unsigned char>(inizio[i]);
        curx = static_cast<int>(inizio.size());
        cury = 0;
        telemail.clear();
        numerotag = 0;
    }
}

void aprilinkato() {
    apri();
    modo(true, false, false);
    inputtesto = 1;
    collegamento = visui[selezione];
    giornoselezionato = giornoattuale;
    nuovoconcursore();
}

void finestraeditor() {
    disegnamodulo();
    if (plat::mousehit(1)) {
        bottonipopup();
        if (plat::millisecs() > timerannulla) clickmodulo();
    }
    const int c = plat::nextchar();
    // A character above 255 cannot be stored in the 8-bit sheet files.
    bcarattere = static_cast<unsigned char>(c > 255 ? 0 : c);
    if (inputtesto == 2) digitatelefono(bcarattere);
    if (plat::mousehit(2)) apripopup();
    if (inputtesto == 1) {
        digita(bcarattere);
        tastieditor();
    }
    genera5righedamatrice();
    disegnatesto();
}

void reseteditor() {
    modo(false, false, false);
    hiddaselezgiono = 0;
    collegamento = -1;
    giornoselezionato = giornofinale = 0;
    statoevento = numerotag = 0;
    telemail.clear();
    apriselezionetag = inputtesto = timerannulla = 0;
    inym = visualizzaincolla = visualizzacopia = 0;
    clip.clear();
    resetmatrix();
}

}  // namespace nubo
