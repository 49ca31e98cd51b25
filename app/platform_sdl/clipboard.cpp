// The system clipboard through SDL: UTF-8 there, 8-bit codes in the program.
#include <SDL.h>

#include "app/platform.h"
#include "app/platform_sdl/utf8.h"

namespace plat {

// SDL's video subsystem already owns the clipboard; nothing to open.
void openclipboard() {}

std::string getclipboard() {
    char* text = SDL_GetClipboardText();
    if (!text) return {};
    std::string result = sdlbackend::utf8tolatin1(text);
    SDL_free(text);
    return result;
}

void setclipboard(const std::string& text) {
    std::string utf8 = sdlbackend::latin1toutf8(text);
    if (SDL_SetClipboardText(utf8.c_str()) != 0)
        errorline(std::string("nubo platform: clipboard not set: ") + SDL_GetError());
}

}  // namespace plat
