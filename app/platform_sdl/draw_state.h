// The drawing state shared by shapes, images and text; it persists until changed.
#pragma once

#include "app/platform_sdl/frame_record.h"

namespace sdlbackend {

struct DrawState {
    Rgba colour;              // clamped colour with the alpha folded in
    float scalex = 1, scaley = 1;
    float linewidth = 1;
    int font = -1;            // index of the current font, -1 none
};
extern DrawState drawstate;

}  // namespace sdlbackend
