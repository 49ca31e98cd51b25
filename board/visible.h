// The visible entries: one row per box on screen, rebuilt from the item table by refresh whenever
// the items, the scrolled day or the window size change. Drawing and hit tests read only these.
#pragma once

namespace nubo {

constexpr int maxvisibili = 70;  // rows of every table; further boxes are not recorded

extern int visui[maxvisibili];     // item shown by the entry
extern int visux[maxvisibili];     // x of the box's left edge
extern int visufx[maxvisibili];    // right reference: the box ends at visufx + dx/2
extern int visuv[maxvisibili];     // y of the top of the entry's row
extern int colore[maxvisibili];    // colour class 1..10
extern int visulink[maxvisibili];  // the item's link, -1 for none
extern int visu;                   // rows in use

// Rebuilds the tables: each item's own box when any of it falls in the shown days (one day more
// than the drawn columns), and an overdue extension up to today for plain and stuff items past
// their last day.
void refresh();

void resetvisible();

}  // namespace nubo
