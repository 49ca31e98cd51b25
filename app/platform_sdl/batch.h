// The 2D batcher: drawing calls collect quads here; a shown frame renders them in one upload and
// a few draw calls (see draw_order.h for their order, frame_keeper.h for where the picture is kept).
#pragma once

#include "app/platform_sdl/frame_record.h"

namespace sdlbackend {

void batchresize(int width, int height);  // new frame size; forgets the picture on screen
FrameRecord& batch();                     // the quads collected since the last render
void batchclear(Rgba colour);             // the frame starts over in this colour
void batchroom();                         // call before adding a quad: renders early when very full
// Makes what was collected part of the picture. False when the picture is unchanged: nothing was
// drawn, or the frame cleared and drew exactly what the picture on screen already shows.
bool batchrender();
void batchpresent(int drawablewidth, int drawableheight);  // the picture into the back buffer

}  // namespace sdlbackend
