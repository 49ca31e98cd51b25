// The item menu: a right click opens a column of up to four image buttons at the pointer, chosen
// by what lies under it; a left click on a button runs its command. MOVE starts move mode, in which
// the next left click puts the item on another day and row; COPY puts its text on the clipboard.
#pragma once

namespace nubo {

// The menu's buttons, top row first: 0 none, 1 ADD, 2 MODIFY, 3 CLOSE, 4 LINK, 5 MOVE, 6 COPY.
// All 0: the menu is closed.
extern unsigned char menu[4];
// Pointer position of the last right click on the board (and x of the last press on a box): the
// menu's anchor, the enlarged view's x, the new item's day and row.
extern int inx, iny;
extern int alzamenu;           // pixels the menu is drawn above iny
extern unsigned char scelta;   // row hit by this left click, 0..3, or 99 for none
extern int selezione;          // visible entry that was right-clicked; the commands act on its item
extern int spostamento;        // 1 while move mode is on
extern int indicespostamento;  // item that move mode will move

void chiudimenu();
// Right click: the buttons for what is under the pointer, anchored at the pointer.
void aprimenu();
// The menu's buttons, lifted by their height near the bottom of the window.
void disegnamenu();
// Left click: which row it hit; a click beside the buttons closes the menu.
void colpiscimenu();
// Left click, last step: the command of the row hit.
void comandomenu();
// Left click in move mode: the moved item starts on the day under the pointer, keeping its length,
// with its top 25 px above the pointer; the sheet is saved.
void posaspostamento();

void resetmenu();

}  // namespace nubo
