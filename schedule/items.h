// The item table: the items of the current sheet in twelve parallel arrays, item i being the i-th
// element of each, for 0 <= i < indice. Items are never deleted or reordered, so an index is an
// item's identity (and what `link` holds) until the sheet is switched.
#pragma once

#include <string>

namespace nubo {

constexpr int capacita = 1000;  // slots of every item array, and the most items a sheet holds

extern int giornoinizio[capacita];  // first day (day number)
extern int giornofine[capacita];    // last day, inclusive
extern int verticale[capacita];     // y of the top of the item's row, window pixels
extern unsigned char stato[capacita];  // 1 plain, 2 note, 3 stuff, 6/9 concluded, 7/8 delay record
extern int link[capacita];          // index of the linked item, -1 for none; loaded values untested
extern unsigned char tag[capacita];    // icon 0..10, 0 none
extern std::string telefono[capacita];  // phone/e-mail line
extern std::string riga1[capacita], riga2[capacita], riga3[capacita], riga4[capacita], riga5[capacita];

extern int indice;   // number of items
extern int indicet;  // number of text-file lines read by the last load

// Empties every slot (0 and empty texts); indice is left for the load that follows to set.
void resetmemoria();

// True when one more item fits. When the table is full it says so on screen and on standard
// error and returns false: the caller then stores nothing.
bool spazioperitem();

// The item a `link` names, or -1 when the value is not an index of a loaded item.
int itemcollegato(int i);

}  // namespace nubo
