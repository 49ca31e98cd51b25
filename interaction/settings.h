// The settings panel opened by the icon in the top right corner.
#pragma once

namespace nubo {

extern int settings;  // 1 while the panel is open, -1 closed

void resetsettings();

}  // namespace nubo
