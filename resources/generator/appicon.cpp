#include "appicon.h"

#include "shapes.h"

// A small board: the blue top bar, three day columns with today lit, a job, an overdue extension
// and a note.
Canvas drawappicon()
{
    Canvas canvas = makecanvas(128, 128);
    paint(canvas, roundedrect(4, 4, 120, 120, 18), Rgba{231, 244, 252});
    paint(canvas, intersect(roundedrect(4, 4, 120, 120, 18), rect(4, 4, 120, 24)), Rgba{31, 162, 220});
    paint(canvas, rect(64, 28, 30, 92), Rgba{200, 200, 240});
    for (double x : {34.0, 64.0, 94.0}) paint(canvas, rect(x - 1, 28, 2, 92), Rgba{84, 177, 223});
    paint(canvas, roundedrect(14, 40, 48, 20, 4), Rgba{190, 190, 100});
    paint(canvas, roundedrect(60, 44, 48, 14, 4), Rgba{220, 120, 120});
    paint(canvas, roundedrect(40, 76, 70, 22, 4), Rgba{160, 160, 220});
    paint(canvas, roundedoutline(4, 4, 120, 120, 18, 2), Rgba{20, 110, 160});
    return canvas;
}
