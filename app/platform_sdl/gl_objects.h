// The GL objects behind the renderer: one shader program, the vertex arrays, a white texture for
// plain quads, textures made from RGBA pixels, and the offscreen frame target that keeps the
// picture between frames. Needs a current OpenGL 3.3 core context.
#pragma once

#include "app/platform_sdl/frame_record.h"

namespace sdlbackend {

void glsetup();                                  // once, after the context is made current
unsigned maketexture(const unsigned char* rgba, int width, int height);  // linear filtering
void resizetarget(int width, int height);        // the frame target at the window's size, black
void drawrecord(const FrameRecord& record);      // into the frame target: its clear, then its runs
void presenttarget(int drawablewidth, int drawableheight);  // the target onto the window's back buffer

}  // namespace sdlbackend
