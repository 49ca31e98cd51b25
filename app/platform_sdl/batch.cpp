// The batch on the GL renderer: one frame keeper whose surfaces are the window's back buffer and
// the offscreen frame target of gl_objects.
#include "app/platform_sdl/batch.h"

#include "app/platform_sdl/frame_keeper.h"
#include "app/platform_sdl/gl_objects.h"

namespace sdlbackend {

namespace {

struct GlSurfaces final : FrameSurfaces {
    void settarget(int width, int height) override { settargetsize(width, height); }
    void drawwindow(const FrameRecord& record) override { drawinwindow(record); }
    void drawtarget(const FrameRecord& record) override { drawintarget(record); }
    void blittarget(int drawablewidth, int drawableheight) override {
        showtarget(drawablewidth, drawableheight);
    }
};

GlSurfaces surfaces;
FrameKeeper keeper(surfaces);

}  // namespace

void batchresize(int width, int height) { keeper.resize(width, height); }

FrameRecord& batch() { return keeper.collected(); }

void batchclear(Rgba colour) { keeper.collected().clear(colour); }

void batchroom() { keeper.room(); }

bool batchrender() { return keeper.render(); }

void batchpresent(int drawablewidth, int drawableheight) { keeper.present(drawablewidth, drawableheight); }

}  // namespace sdlbackend
