// The 50 x 50 item icons: f0 (no icon), f1..f8 (people), f9 (warning), f10 (question).
#pragma once

#include "canvas.h"
#include "text.h"

Canvas drawnoicon(CaptionFont* font);   // f0.png: grey circle reading TAG
Canvas drawportrait(int person);        // f1.png .. f8.png, person 1..8
Canvas drawwarning();                   // f9.png
Canvas drawquestion(CaptionFont* font); // f10.png
