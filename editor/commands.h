// The editor's commands: confirm writes the edited item by the editor's mode, saves the sheet and
// returns to the board; cancel returns without writing; the text popup pastes the clipboard into
// the description or copies the item's text to it.
#pragma once

namespace nubo {

void confermaeditor();
void annullaeditor();
// Right click: the popup at the pointer when it is on the description field.
void apripopup();
// Left click, before the click guard: the popup's buttons, then the popup closes.
void bottonipopup();

}  // namespace nubo
