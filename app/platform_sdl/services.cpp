// Start and end of the backend, console lines and the browser.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/platform.h"
#include "app/platform_sdl/http.h"
#include "app/platform_sdl/sound.h"
#include "app/platform_sdl/window.h"

namespace {

// SDL quietly runs without any window when no display is reachable; the program is useless then.
bool windowless(const char* driver) {
    if (!driver) return true;
    if (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0) return false;
    const char* asked = SDL_getenv("SDL_VIDEODRIVER");
    return !(asked && std::strcmp(asked, driver) == 0);
}

}  // namespace

namespace plat {

void startservices() {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "nubo: cannot open the display (%s); Nubo needs a graphical desktop\n", SDL_GetError());
        std::exit(1);
    }
    if (windowless(SDL_GetCurrentVideoDriver())) {
        std::fprintf(stderr, "nubo: no display found (is DISPLAY set?); Nubo needs a graphical desktop\n");
        SDL_Quit();
        std::exit(1);
    }
    sdlbackend::startwindow();
    SDL_StartTextInput();
    sdlbackend::startaudio();
}

void openaddress(const std::string& address) {
    if (SDL_OpenURL(address.c_str()) != 0)
        errorline("nubo platform: cannot open " + address + ": " + SDL_GetError());
}

void consoleline(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void errorline(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void endprogram() {
    std::fflush(stdout);
    std::fflush(stderr);
    sdlbackend::stopaudio();
    sdlbackend::stophttp();
    sdlbackend::stopwindow();
    SDL_Quit();
    std::exit(0);
}

}  // namespace plat
