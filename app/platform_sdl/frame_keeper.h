// Where the picture on screen is kept between shown frames. Normally it is kept as the record that
// draws it: a shown frame is drawn straight into the window's back buffer and no offscreen copy of
// the picture exists (on a software renderer that copy and the full-window pass that blits it cost
// megabytes of memory and a full-window draw per frame). Only a picture that no record of bounded
// size describes (a frame too large to hold, a long run of frames drawn over one another), or a
// window whose drawable is not its size, goes through an offscreen frame target, made when first
// needed.
#pragma once

#include <cstddef>

#include "app/platform_sdl/frame_record.h"

namespace sdlbackend {

// The drawing surfaces, implemented by the GL renderer (or by a test).
struct FrameSurfaces {
    virtual ~FrameSurfaces() = default;
    virtual void settarget(int width, int height) = 0;     // size of the target; drops a made one
    virtual void drawwindow(const FrameRecord& record) = 0;  // into the back buffer, same size
    virtual void drawtarget(const FrameRecord& record) = 0;  // into the target, made black if missing
    virtual void blittarget(int drawablewidth, int drawableheight) = 0;  // the target to the back buffer
};

class FrameKeeper {
public:
    // A picture is kept as a record while it is a cleared frame with at most `maxover` frames
    // drawn over it (a message, a farewell image); a longer run, like the editor drawn over the
    // board every pass, goes through the target, so a pass costs its own drawing and not the run's.
    explicit FrameKeeper(FrameSurfaces& surfaces, std::size_t maxvertices = std::size_t{1} << 20, int maxover = 2)
        : surfaces(surfaces), maxvertices(maxvertices), maxover(maxover) {}

    void resize(int width, int height);  // a new size: the picture becomes black
    FrameRecord& collected() { return frame; }  // quads of the frame being drawn
    void room();  // before adding a quad: a frame near the size limit goes into the target early
    // The collected frame becomes the picture. False when the picture is unchanged: nothing was
    // drawn, or the frame cleared and drew exactly what the picture already shows.
    bool render();
    void present(int drawablewidth, int drawableheight);  // the picture into the back buffer

private:
    void drawover(const FrameRecord& record);  // through the target

    FrameSurfaces& surfaces;
    std::size_t maxvertices;
    int maxover;
    int over = 0;  // frames drawn over the picture's cleared frame in its record
    int width = 0, height = 0;
    FrameRecord frame;
    FrameRecord picture;         // starts with a clear; what is on screen while `described`
    bool described = true;       // else the target alone holds the picture
    bool targetcurrent = false;  // the target holds the picture
    bool comparable = false;     // `picture` is the last cleared frame, nothing drawn over it
    bool renderedearly = false;  // part of the collected frame is already in the target
};

}  // namespace sdlbackend
