// Keeps two records: the one being collected and the last cleared frame that was rendered. While
// the program redraws the same board every pass, the new record equals the old one and neither
// rendering nor swapping is needed. A frame drawn over the last picture (no clear) is always
// rendered, and makes the picture no longer described by any record.
#include "app/platform_sdl/batch.h"

#include <utility>

#include "app/platform_sdl/gl_objects.h"

namespace sdlbackend {

namespace {

FrameRecord pending;
FrameRecord onscreen;
bool onscreenknown = false;  // `onscreen` describes the whole frame target
bool renderedearly = false;  // part of the frame is already in the target

// A frame this large is rendered in parts; it cannot be compared then.
constexpr std::size_t kmaxvertices = std::size_t{1} << 20;

}  // namespace

void batchresize(int width, int height) {
    resizetarget(width, height);
    pending.reset();
    onscreenknown = false;
    renderedearly = false;
}

FrameRecord& batch() { return pending; }

void batchclear(Rgba colour) { pending.clear(colour); }

void batchroom() {
    if (pending.vertices.size() + 4 <= kmaxvertices) return;
    drawrecord(pending);
    pending.reset();
    onscreenknown = false;
    renderedearly = true;
}

bool batchrender() {
    bool early = std::exchange(renderedearly, false);
    if (pending.empty()) return early;
    if (onscreenknown && pending.samepicture(onscreen)) {
        pending.reset();
        return false;
    }
    drawrecord(pending);
    if (pending.cleared) {
        std::swap(pending, onscreen);
        onscreenknown = true;
    } else {
        onscreenknown = false;
    }
    pending.reset();
    return true;
}

}  // namespace sdlbackend
