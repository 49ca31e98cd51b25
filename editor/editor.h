// The item editor: a modal form drawn over the last picture of the board, in which one item is
// created, changed or concluded. Four modes: new item, modify, conclude (with its delay variant on
// an overdue extension) and linked item.
#pragma once

#include <string>

namespace nubo {

// Mode.
extern bool inserimento;     // new-item or linked-item mode: confirm appends an item
extern bool modifica;        // modify mode
extern bool concludi;        // conclude mode
extern int hiddaselezgiono;  // 1: the delay variant of the conclude mode
extern int collegamento;     // item a new item will link to, or -1

// The form's values.
extern int giornoselezionato;         // first day, from which the date labels are computed
extern int giornofinale;              // day count; in the delay variant, days before today it ended
extern unsigned char statoevento;     // state a new or modified item gets: 1 plain, 2 note, 3 stuff
extern unsigned char numerotag;       // icon 0..10
extern std::string telemail;          // the phone line
extern int apriselezionetag;          // 1 while the icon row is open
extern int inputtesto;                // active field: 0 none, 1 description, 2 phone line
extern int timerannulla;              // clicks on the form count only after this clock time

// The text popup opened by a right click on the description field.
extern int inym;                      // its y (its x is inx)
extern int visualizzaincolla, visualizzacopia;  // its paste and copy buttons are shown
extern std::string clip;              // the clipboard text of the last paste

// Openings from the item menu: each closes the menu and hides the hint line.
void aprinuovo();     // a new item on the day under the right click
void aprimodifica();  // the item of entry `selezione`
void apriconcludi();  // the item of entry `selezione`, or its overdue extension
void aprilinkato();   // a new item linked to the item of entry `selezione`

// One editor pass: the form, its clicks, typing and keys, the text and the popup.
void finestraeditor();

void reseteditor();

}  // namespace nubo
