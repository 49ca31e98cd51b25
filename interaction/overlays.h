// What every pass draws over the board or the editor window: the ghost box of move mode, the
// settings panel and icon, the home button, the example note, the hint line and the sheet label.
// The blink timer runs among them.
#pragma once

namespace nubo {

// The overlays in their fixed order, in both modes.
void disegnaoverlay();

}  // namespace nubo
