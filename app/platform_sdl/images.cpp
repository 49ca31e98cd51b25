// plat::loadimage: embedded PNG -> RGBA texture, kept for the whole run.
#include "app/platform_sdl/images.h"

#include <vector>

#include "app/embedded.h"
#include "app/platform.h"
#include "app/platform_sdl/gl_objects.h"
#include "app/platform_sdl/png_decode.h"

namespace sdlbackend {

static std::vector<LoadedImage> images;

const LoadedImage* findimage(int id) {
    if (id < 0 || id >= static_cast<int>(images.size())) return nullptr;
    return &images[static_cast<std::size_t>(id)];
}

}  // namespace sdlbackend

namespace plat {

Image loadimage(const std::string& name) {
    const EmbeddedFile* file = findembedded(name);
    if (!file) {
        errorline("nubo platform: no embedded image \"" + name + "\"");
        return Image{};
    }
    sdlbackend::Picture picture;
    std::string error;
    if (!sdlbackend::decodepng(file->data, file->size, picture, error)) {
        errorline("nubo platform: image \"" + name + "\" unreadable: " + error);
        return Image{};
    }
    sdlbackend::LoadedImage loaded;
    loaded.texture = sdlbackend::maketexture(picture.rgba.data(), picture.width, picture.height);
    loaded.width = picture.width;
    loaded.height = picture.height;
    sdlbackend::images.push_back(loaded);
    return Image{static_cast<int>(sdlbackend::images.size()) - 1, picture.width, picture.height};
}

}  // namespace plat
