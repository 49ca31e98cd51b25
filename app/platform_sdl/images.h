// Images loaded from embedded PNGs as textures, by the ids handed out in plat::Image.
#pragma once

namespace sdlbackend {

struct LoadedImage {
    unsigned texture = 0;
    int width = 0, height = 0;
};

const LoadedImage* findimage(int id);  // nullptr for an id that was never handed out

}  // namespace sdlbackend
