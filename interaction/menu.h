// The item menu opened by a right click, and the point it was opened at.
#pragma once

namespace nubo {

// Pointer position of the last right click on the board (and x of the last press on a box): the
// menu's anchor, the enlarged view's x, the new item's day and row.
extern int inx, iny;

void resetmenu();

}  // namespace nubo
