#include "editor/matrix.h"

#include "app/platform.h"
#include "app/state.h"
#include "board/visible.h"
#include "editor/editor.h"
#include "interaction/menu.h"
#include "schedule/items.h"

namespace nubo {

int carattere[colonne][righe];
int curx, cury, insert;
std::string riga1r, riga2r, riga3r, riga4r, riga5r;
unsigned char bcarattere;

namespace {

std::string* const righer[righe] = {&riga1r, &riga2r, &riga3r, &riga4r, &riga5r};

// Loaded lines too long for their row, and the row as it was loaded.
std::string lunga[righe];
int caricata[colonne][righe];

bool stampabile(int c) { return c >= 32 && c <= 254; }

bool rigavuota(int r) {
    for (int i = 0; i <= ultimacolonna; i++)
        if (carattere[i][r] != 0) return false;
    return true;
}

void svuotariga(int r) {
    for (int i = 0; i <= ultimacolonna; i++) carattere[i][r] = 0;
}

// The cursor takes the first empty cell at or left of its column, if there is one.
void regolacolonna() {
    for (int i = 0; i <= curx; i++)
        if (carattere[i][cury] == 0) {
            curx = i;
            return;
        }
}

void rigasuccessiva() {
    curx = 0;
    if (cury < righe - 1) cury++;
}

void stampa(int codice) {
    if (insert == 1 && curx <= ultimacolonna - 1)
        for (int i = ultimacolonna - 1; i >= curx; i--) carattere[i + 1][cury] = carattere[i][cury];
    if (curx >= colonne - 1) rigasuccessiva();
    carattere[curx][cury] = codice;
    curx++;
}

void invio() {
    if (cury > 3) return;
    for (int i = 0; i <= ultimacolonna; i++)
        if (stampabile(carattere[i][4])) return;
    for (int r = 3; r >= cury + 1; r--) {
        for (int i = 0; i <= ultimacolonna; i++) carattere[i][r + 1] = carattere[i][r];
        svuotariga(r);
    }
    for (int i = curx; i <= ultimacolonna; i++) {
        carattere[i - curx][cury + 1] = carattere[i][cury];
        carattere[i][cury] = 0;
    }
    curx = 0;
    cury++;
}

void cancellaindietro() {
    if (curx > 0) {
        const int vecchia = curx;
        carattere[curx - 1][cury] = 0;
        curx--;
        if (vecchia <= ultimacolonna)
            for (int i = vecchia; i <= ultimacolonna; i++)
                if (carattere[i][cury] >= 32) {
                    carattere[i - 1][cury] = carattere[i][cury];
                    carattere[i][cury] = 0;
                }
        return;
    }
    if (cury == 0) return;
    const int sopra = cury - 1;
    int L = -1;
    for (int i = 0; i <= ultimacolonna; i++)
        if (stampabile(carattere[i][sopra])) L = i;
    if (L < 0) {
        for (int i = 0; i <= ultimacolonna; i++) carattere[i][sopra] = carattere[i][cury];
        svuotariga(cury);
        curx = 0;
        cury = sopra;
        return;
    }
    for (int j = 0; j <= ultimacolonna - 1 - L; j++)
        if (carattere[j][cury] >= 32) carattere[L + 1 + j][sopra] = carattere[j][cury];
    for (int j = 0; j <= L; j++) carattere[j][cury] = carattere[ultimacolonna - L + j][cury];
    for (int j = L + 1; j <= ultimacolonna; j++) carattere[j][cury] = 0;
    curx = L + 1;
    cury = sopra;
}

void diagnostica() {
    const int destra = curx + 1 < colonne ? carattere[curx + 1][cury] : 0;
    plat::consoleline("il carattere sotto alcursore  e zero! " + std::to_string(curx) + " " + std::to_string(cury));
    plat::consoleline("il carattere a destra e" + std::string(1, static_cast<char>(destra)));
}

}  // namespace

void svuotamatrice() {
    for (int r = 0; r < righe; r++) {
        svuotariga(r);
        lunga[r].clear();
    }
}

void leggifileemettiinmatrice() {
    const int it = visui[selezione];
    const std::string* linee[righe] = {&riga1[it], &riga2[it], &riga3[it], &riga4[it], &riga5[it]};
    for (int r = 0; r < righe; r++) *righer[r] = *linee[r];
    svuotamatrice();
    for (int r = 0; r < righe; r++) {
        const std::string& s = *linee[r];
        // A row holds 55 characters; a longer line from a hand-edited sheet is shown cut.
        const int n = static_cast<int>(s.size()) < ultimacolonna + 1 ? static_cast<int>(s.size()) : ultimacolonna + 1;
        for (int i = 0; i < n; i++) {
            const int codice = static_cast<unsigned char>(s[i]);
            carattere[i][r] = codice;
            if (codice >= 32) {
                curx = i + 1;
                cury = r;
            }
        }
        if (static_cast<int>(s.size()) > n) {
            lunga[r] = s;
            for (int i = 0; i < colonne; i++) caricata[i][r] = carattere[i][r];
        }
    }
}

void genera5righedamatrice() {
    for (int r = 0; r < righe; r++) {
        std::string& s = *righer[r];
        s.clear();
        for (int i = 0; i <= ultimacolonna; i++)
            if (carattere[i][r] != 0) s.push_back(static_cast<char>(carattere[i][r]));
    }
}

bool rigatagliata(int r) {
    if (lunga[r].empty()) return false;
    for (int i = 0; i < colonne; i++)
        if (carattere[i][r] != caricata[i][r]) return false;
    return true;
}

std::string rigafinale(int r) { return rigatagliata(r) ? lunga[r] : *righer[r]; }

void digita(int codice) {
    if (stampabile(codice))
        stampa(codice);
    else if (codice == 13)
        invio();
    else if (codice == 8)
        cancellaindietro();
}

void tastieditor() {
    if (plat::keydown(plat::kright)) {
        plat::sleepms(60);
        lampeggio = -1;
        if (carattere[curx][cury] != 0)
            curx++;
        else
            diagnostica();
        if (curx >= colonne - 1) rigasuccessiva();
    }
    if (plat::keydown(plat::kleft)) {
        plat::sleepms(60);
        lampeggio = -1;
        if (curx > 0) curx--;
    }
    if (plat::keyhit(plat::kup)) {
        lampeggio = -1;
        if (cury > 0) cury--;
        regolacolonna();
    }
    if (plat::keyhit(plat::kdown)) {
        lampeggio = -1;
        if (cury < righe - 1) cury++;
        regolacolonna();
    }
    if (plat::keyhit(plat::kinsert)) insert = -insert;
    if (plat::keydown(plat::kdelete)) {
        if (curx <= ultimacolonna) {
            for (int i = curx; i < colonne - 1; i++) carattere[i][cury] = carattere[i + 1][cury];
            carattere[ultimacolonna][cury] = 0;
        }
        plat::sleepms(40);
        lampeggio = -1;
    }
}

void posizionacursore(int x, int y) {
    curx = (x - 220) / 10;
    cury = (y - 140) / 20;
    lampeggio = -1;
    if (x - 220 <= -10) curx = 0;
    if (y - 140 <= -20) cury = 0;
    if (y - 140 >= 100) cury = 4;
    if (curx >= colonne) curx = colonne - 1;
    regolacolonna();
    while (cury >= 1 && rigavuota(cury) && rigavuota(cury - 1)) cury--;
}

void digitatelefono(int codice) {
    if (stampabile(codice)) {
        if (telemail.size() <= 53) telemail.push_back(static_cast<char>(codice));
    } else if (codice == 8) {
        if (!telemail.empty()) telemail.pop_back();
    } else if (codice == 13) {
        inputtesto = 0;
    }
}

void resetmatrix() {
    for (int r = 0; r < righe; r++)
        for (int i = 0; i < colonne; i++) carattere[i][r] = caricata[i][r] = 0;
    for (std::string& s : lunga) s.clear();
    curx = cury = 0;
    insert = 1;
    for (std::string* s : righer) s->clear();
    bcarattere = 0;
}

}  // namespace nubo
