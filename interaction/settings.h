// The settings panel opened by the icon in the top right corner: five check boxes (light theme,
// reduced graphic details, the 1800 x 970 and 1400 x 840 windows, left-aligned texts), each taking
// effect at once and remembered by an empty marker file in the data folder, and the update check.
#pragma once

#include <string>

namespace nubo {

extern int settings;               // 1 while the panel is open, -1 closed
extern std::string ultimaversione;  // first line of the release file at the last check, or empty

// Left click, third step: the panel's rows.
void clickpannello();
// Left click, fifth step: the settings icon opens and closes the panel.
void clickicona();
// The panel, drawn over both modes while it is open.
void disegnapannello();

void resetsettings();

}  // namespace nubo
