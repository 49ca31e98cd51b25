// The caption buttons of the item menu, the editor's text popup and the editor's
// confirm and cancel: rounded, shaded, with a white caption, on pure black (transparent) corners.
#pragma once

#include "canvas.h"
#include "text.h"

#include <string>

enum class ButtonColour { blue, grey, green, red };

Canvas drawbutton(CaptionFont* font, int width, int height, ButtonColour colour,
                  const std::string& caption);
