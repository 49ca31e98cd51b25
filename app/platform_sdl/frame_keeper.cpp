// Frames that clear replace the picture's record; frames drawn over the picture extend it while it
// stays within the vertex limit and the run of such frames is short. Either way the target is not
// touched, and present draws the record. Past either limit, the picture is drawn into the target
// once and later frames go over it there, until a frame clears again. Always: `described` or
// `targetcurrent`.
#include "app/platform_sdl/frame_keeper.h"

#include <utility>

namespace sdlbackend {

void FrameKeeper::resize(int w, int h) {
    width = w, height = h;
    surfaces.settarget(w, h);
    frame.reset();
    picture.clear(Rgba{0, 0, 0, 255});
    over = 0;
    described = true;
    targetcurrent = false;
    comparable = false;
    renderedearly = false;
}

void FrameKeeper::drawover(const FrameRecord& record) {
    if (!targetcurrent && !record.cleared) surfaces.drawtarget(picture);
    surfaces.drawtarget(record);
    targetcurrent = true;
    described = false;
    comparable = false;
}

void FrameKeeper::room() {
    if (frame.vertices.size() + 4 <= maxvertices) return;
    drawover(frame);
    frame.reset();
    renderedearly = true;
}

bool FrameKeeper::render() {
    bool early = std::exchange(renderedearly, false);
    if (frame.empty()) return early;
    if (comparable && frame.samepicture(picture)) {
        frame.reset();
        return false;
    }
    if (frame.cleared) {
        std::swap(frame, picture);
        over = 0;
        described = true;
        targetcurrent = false;
        comparable = true;
    } else if (described && over < maxover && picture.vertices.size() + frame.vertices.size() <= maxvertices) {
        picture.append(frame);
        over++;
        targetcurrent = false;
        comparable = false;
    } else {
        drawover(frame);
    }
    frame.reset();
    return true;
}

void FrameKeeper::present(int drawablewidth, int drawableheight) {
    if (described && drawablewidth == width && drawableheight == height) {
        surfaces.drawwindow(picture);
        return;
    }
    if (!targetcurrent) {
        surfaces.drawtarget(picture);
        targetcurrent = true;
    }
    surfaces.blittarget(drawablewidth, drawableheight);
}

}  // namespace sdlbackend
