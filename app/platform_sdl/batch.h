// The 2D batcher: drawing calls collect quads here; a shown frame renders them into the frame
// target in one upload and one draw call per texture run.
#pragma once

#include "app/platform_sdl/frame_record.h"

namespace sdlbackend {

void batchresize(int width, int height);  // new frame target size; forgets the picture on screen
FrameRecord& batch();                     // the quads collected since the last render
void batchclear(Rgba colour);             // the frame starts over in this colour
void batchroom();                         // call before adding a quad: renders early when very full
// Renders what was collected into the frame target. False when the target is unchanged: nothing
// was drawn, or the frame cleared and drew exactly what the picture on screen already shows.
bool batchrender();

}  // namespace sdlbackend
