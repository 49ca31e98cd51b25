// The board, redrawn whole in every board-mode pass: top bar with the day headings, weekend and
// today columns, grid, every visible entry as a box with its link lines, delay mark, texts, icon
// and phone line, and the enlarged view of the selected entry. The same pass finds the entry
// under the pointer.
#pragma once

namespace nubo {

// Selection.
extern int selezionato;           // visible entry under the pointer, or -1
extern int noselez;               // until this clock time selezionato is held as it is
extern int visualizzaingrandito;  // 1 while the enlarged view of the selected entry is open

// Box shape of the entry being drawn, by colour class.
extern int spessore;  // height parameter: 40, 30 for overdue extensions, 25 for delay records
extern int deltay;    // box top below the entry's row: 0, 10 or 13
extern bool freccia;  // the item has a fourth line longer than one character

// One board frame: clear, header and grid, the entries, the enlarged view; leaves colour white.
void disegnatabellone();

// One box: brightness `factor`, top-left (x, y), width w, height parameter h, coloured as visible
// entry `entry`, with the small arrow under it when `arrow` is 1. Leaves light = factor and the
// drawing colour white.
void rettangolo(float factor, int x, int y, int w, int h, int entry, unsigned char arrow);

void resetboard();

}  // namespace nubo
