// The parts of a board entry drawn besides its box, and the enlarged view.
#pragma once

namespace nubo {

// The three-segment path from the item that entry i links to, in the entry's colour.
void disegnacollegamento(int i);
// The entry's first lines inside its box, squeezed or stretched to fit.
void scrivitesti(int i);
// The enlarged view of the selected entry, with all five lines and the phone line.
void disegnaingrandito();

}  // namespace nubo
