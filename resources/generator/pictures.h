// The single pictures with alpha: day-count arrows, settings corner, move ghost, home button,
// farewell face, example note, box arrow and delay mark.
#pragma once

#include "canvas.h"
#include "text.h"

Canvas drawarrowup();     // su.png, 40 x 17
Canvas drawarrowdown();   // giu.png, 40 x 17
Canvas drawsettings();    // settings.png, 40 x 40
Canvas drawmoveghost();   // move.png, 100 x 44
Canvas drawhome();        // home.png, 45 x 45
Canvas drawfarewell();    // close.png, 100 x 82
Canvas drawexamplenote(CaptionFont* font);  // example.png, 135 x 44
Canvas drawboxarrow();    // freccina.png, 30 x 9
Canvas drawdelaymark();   // rita.png, 21 x 13
