// The GL objects behind the renderer: a vertex program, fragment programs for plain and for
// textured quads, the vertex buffers, textures made from RGBA pixels, and the offscreen frame
// target, made only when the picture must be kept outside the window. Needs a current OpenGL
// compatibility context with framebuffer objects and ARB vertex and fragment programs.
#pragma once

#include "app/platform_sdl/frame_record.h"

namespace sdlbackend {

void glsetup();                                  // once, after the context is made current
unsigned maketexture(const unsigned char* rgba, int width, int height);  // linear filtering
void settargetsize(int width, int height);       // the window's size; drops the frame target if made
void drawinwindow(const FrameRecord& record);    // into the back buffer: its clear, then its runs
void drawintarget(const FrameRecord& record);    // the same into the frame target, made black first
void showtarget(int drawablewidth, int drawableheight);  // the frame target onto the back buffer

}  // namespace sdlbackend
