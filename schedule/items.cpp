#include "schedule/items.h"

#include "app/errors.h"
#include "schedule/sheetfiles.h"

namespace nubo {

int giornoinizio[capacita], giornofine[capacita], verticale[capacita], link[capacita];
unsigned char stato[capacita], tag[capacita];
std::string telefono[capacita], riga1[capacita], riga2[capacita], riga3[capacita], riga4[capacita], riga5[capacita];
int indice, indicet;

void resetmemoria() {
    for (int i = 0; i < capacita; i++) {
        giornoinizio[i] = giornofine[i] = verticale[i] = link[i] = 0;
        stato[i] = tag[i] = 0;
        telefono[i].clear();
        riga1[i].clear();
        riga2[i].clear();
        riga3[i].clear();
        riga4[i].clear();
        riga5[i].clear();
    }
}

bool spazioperitem() {
    // Lines kept past a full table must stay after the items, so nothing is appended before them.
    if (indice < capacita && !righeinpiu()) return true;
    mostraerrore("ERROR 044", "the sheet is full: it holds " + std::to_string(indice) +
                                  " items, no more can be added");
    return false;
}

int itemcollegato(int i) {
    if (i < 0 || i >= indice) return -1;
    int l = link[i];
    return l >= 0 && l < indice ? l : -1;
}

}  // namespace nubo
