// Lines as filled quads, so that their pixels do not depend on how the GL rasterises lines.
#pragma once

namespace sdlbackend {

// Corners of a line between the pixels (x1,y1) and (x2,y2), both ends included: the quad runs
// along the pixel centres, is extended by half a pixel past each end and is `width` pixels wide,
// centred on the line. Corners in order around the quad (x0,y0, x1,y1, x2,y2, x3,y3).
// A line from a pixel to itself is the square of that pixel (widened to `width`).
void linequad(float x1, float y1, float x2, float y2, float width, float corners[8]);

}  // namespace sdlbackend
