#include "editor/commands.h"

#include <cstdint>
#include <string>

#include "app/errors.h"
#include "app/media.h"
#include "app/platform.h"
#include "app/state.h"
#include "board/visible.h"
#include "editor/editor.h"
#include "editor/matrix.h"
#include "interaction/menu.h"
#include "schedule/days.h"
#include "schedule/items.h"
#include "schedule/sheetfiles.h"

namespace nubo {

namespace {

std::string linee[righe];  // the five lines confirm stores

void preparalinee() {
    genera5righedamatrice();
    for (int r = 0; r < righe; r++) {
        const bool intera = rigatagliata(r);
        linee[r] = rigafinale(r);
        // "|" separates the lines in the text file; a line kept whole came from that file as it is.
        if (!intera)
            for (char& c : linee[r])
                if (c == '|') c = '_';
    }
}

void scrivilinee(int i) {
    riga1[i] = linee[0];
    riga2[i] = linee[1];
    riga3[i] = linee[2];
    riga4[i] = linee[3];
    riga5[i] = linee[4];
}

int tenuto(int64_t v) { return static_cast<int>(v < INT32_MIN ? INT32_MIN : (v > INT32_MAX ? INT32_MAX : v)); }

void modificaitem() {
    const int it = visui[selezione];
    giornofine[it] = tenuto(static_cast<int64_t>(giornoinizio[it]) + giornofinale - 1);
    stato[it] = statoevento;
    scrivilinee(it);
    tag[it] = numerotag;
    telefono[it] = telemail;
}

void concludiitem() {
    if (selezione < 0) {
        mostraerrore("ERROR 043", "there is no item to close");
        return;
    }
    const int it = visui[selezione];
    const int c = colore[selezione];
    if (c == 4 || c == 5) {
        // Without room for the delay record the item is left as it was, not closed without it.
        if (!spazioperitem()) return;
        const int n = indice;
        giornoinizio[n] = tenuto(static_cast<int64_t>(giornofine[it]) + 1);
        giornofine[n] = tenuto(static_cast<int64_t>(giornoattuale) - giornofinale);
        if (giornofine[n] <= giornoinizio[n]) giornofine[n] = giornoinizio[n];
        verticale[n] = verticale[it];
        stato[n] = c == 4 ? 7 : 8;
        tag[n] = numerotag;
        link[n] = it;
        scrivilinee(n);
        indice++;
    } else {
        scrivilinee(it);
        tag[it] = numerotag;
        telefono[it] = telemail;
    }
    if (stato[it] == 1) stato[it] = 6;
    if (stato[it] == 3) stato[it] = 9;
}

void nuovoitem() {
    if (!spazioperitem()) return;
    const int n = indice;
    giornoinizio[n] = giornoselezionato;
    giornofine[n] = tenuto(static_cast<int64_t>(giornoselezionato) + giornofinale - 1);
    verticale[n] = iny - dy / 3;
    telefono[n] = telemail;
    tag[n] = numerotag;
    link[n] = -1;
    stato[n] = statoevento;
    scrivilinee(n);
    if (collegamento >= 0) {
        link[n] = collegamento;
        giornoinizio[n] = giornoattuale;
        giornofine[n] = tenuto(static_cast<int64_t>(giornoattuale) + giornofinale - 1);
        verticale[n] = static_cast<int>(static_cast<float>(iny) + static_cast<float>(dy) / 1.2f);
        if (verticale[n] > schermoy - dy) verticale[n] = schermoy - 2 * dy;
    }
    indice++;
}

// The mouse hits still pending belong to the form, not to the board that comes back.
void dimenticaclick() {
    plat::flushmouse();
    oldz = 0;  // the flush also sets the wheel back to 0
}

void chiudi() {
    finestrainserimento = false;
    inserimento = false;
    concludi = false;
    modifica = false;
    chiudimenu();
}

// The clipboard text split into the five rows: CR starts the next row (the fifth takes the rest),
// codes 11..254 are kept, the others dropped. A row holds at most 54 pasted characters.
void incollatesto() {
    plat::playsound(tick);
    clip = plat::getclipboard();
    std::string parti[righe];
    int r = 0;
    for (unsigned char c : clip) {
        if (c == 13) {
            if (r < righe - 1) r++;
        } else if (c >= 11 && c <= 254 && parti[r].size() < 55) {
            parti[r].push_back(static_cast<char>(c));
        }
    }
    svuotamatrice();
    curx = 0;
    for (int i = 0; i < righe; i++) {
        if (parti[i].empty()) continue;
        const int n = parti[i].size() >= 55 ? 54 : static_cast<int>(parti[i].size());
        for (int k = 0; k < n; k++) carattere[k][i] = static_cast<unsigned char>(parti[i][k]);
        if (i == righe - 1) {
            cury = 4;
            curx = n;
        } else {
            cury = i + 1;
        }
    }
    timerannulla = plat::millisecs() + 200;
}

void copiatesto() {
    plat::playsound(tick);
    plat::setclipboard(riga1r + "\r\n" + riga2r + "\r\n" + riga3r + "\r\n" + riga4r + "\r\n" + riga5r + "\r\n" +
                       telemail);
}

}  // namespace

void confermaeditor() {
    plat::playsound(conferma);
    hiddaselezgiono = 0;
    preparalinee();
    if (modifica)
        modificaitem();
    else if (concludi)
        concludiitem();
    else if (inserimento)
        nuovoitem();
    refresh();
    chiudi();
    apriselezionetag = 0;
    collegamento = -1;
    salvadatabase();
    dimenticaclick();
}

void annullaeditor() {
    chiudi();
    plat::playsound(esci);
    hiddaselezgiono = 0;
    dimenticaclick();
}

void apripopup() {
    if (mox < 221 || mox > 684 || moy < 141 || moy > 259) return;
    visualizzaincolla = 1;
    visualizzacopia = riga1r.size() >= 5 ? 1 : 0;
    inx = mox;
    inym = moy;
}

void bottonipopup() {
    const bool colonna = mox >= inx + 1 && mox <= inx + 134;
    if (visualizzaincolla == 1 && colonna && moy >= inym - 9 && moy <= inym + 21) incollatesto();
    if (visualizzacopia == 1 && colonna && moy >= inym + 25 && moy <= inym + 55) copiatesto();
    visualizzaincolla = 0;
    visualizzacopia = 0;
}

}  // namespace nubo
