// Moving through time and sheets, and acting on a pressed box: the wheel and the arrow keys move
// the board a day a step, the home button returns to today, F1-F3 switch sheets, a click on a box
// toggles its enlarged view and a press drags it up or down.
#pragma once

#include <string>

namespace nubo {

extern int scroll;           // wheel steps counted in this pass
extern int timerflushmouse;  // clock time of the next mouse flush
extern unsigned char casa;   // 1 while the home button is offered (16 days or more from today)
extern std::string sovra;    // sheet label, empty until the first sheet key
extern int puntoy;           // grab offset: pointer y minus the box top when the press began
extern int oldmoy;           // pointer y at the previous press pass

// The board's input, every board-mode pass, in its fixed order: wheel, arrows, sheet keys, the
// steps of a left click, the drag, the right click.
void inputtabellone();

void resetnavigation();

}  // namespace nubo
