// Input of app/platform.h. A "hit" is remembered from the press until the program asks for it;
// "down" follows the press and the release. Typed characters wait in a ring buffer: UTF-8 text
// input becomes Latin-1 codes (others are dropped); Backspace and Return arrive as 8 and 13.
#include "app/platform_sdl/input.h"

#include <array>

#include "app/platform.h"
#include "app/platform_sdl/utf8.h"
#include "app/platform_sdl/window.h"

namespace {

bool quit = false;
int pointerx = 0, pointery = 0;
std::array<bool, 4> buttonhit{}, buttondown{};  // 1 left, 2 right, 3 middle
int wheelsteps = 0;
std::array<bool, 256> keyhits{}, keysdown{};

// Typed characters not yet taken; when the program falls that far behind, new ones are dropped.
constexpr int kqueuesize = 1 << 14;
std::array<unsigned char, kqueuesize> typed{};
int typedhead = 0, typedcount = 0;

void pushchar(int code) {
    if (typedcount == kqueuesize) return;
    typed[static_cast<std::size_t>((typedhead + typedcount) % kqueuesize)] = static_cast<unsigned char>(code);
    typedcount++;
}

int programbutton(Uint8 sdlbutton) {
    switch (sdlbutton) {
        case SDL_BUTTON_LEFT: return 1;
        case SDL_BUTTON_RIGHT: return 2;
        case SDL_BUTTON_MIDDLE: return 3;
        default: return 0;
    }
}

void taketext(const char* text) {
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    std::size_t n = 0;
    while (n < SDL_TEXTINPUTEVENT_TEXT_SIZE && s[n]) n++;
    std::size_t i = 0;
    while (i < n) {
        std::uint32_t cp = 0;
        std::size_t len = sdlbackend::decodeutf8(s + i, n - i, cp);
        if (len == 0) cp = s[i], len = 1;  // not UTF-8: the byte itself
        if (cp >= 32 && cp <= 255) pushchar(static_cast<int>(cp));
        i += len;
    }
}

bool validkey(int code) { return code >= 0 && code < 256; }

}  // namespace

namespace sdlbackend {

int programkey(SDL_Keycode key) {
    switch (key) {
        case SDLK_LEFT: return plat::kleft;
        case SDLK_UP: return plat::kup;
        case SDLK_RIGHT: return plat::kright;
        case SDLK_DOWN: return plat::kdown;
        case SDLK_INSERT: return plat::kinsert;
        case SDLK_DELETE: return plat::kdelete;
        case SDLK_F1: return plat::kf1;
        case SDLK_F2: return plat::kf2;
        case SDLK_F3: return plat::kf3;
        case SDLK_BACKSPACE: return 8;
        case SDLK_TAB: return 9;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return 13;
        case SDLK_ESCAPE: return 27;
        case SDLK_SPACE: return 32;
        case SDLK_PAGEUP: return 33;
        case SDLK_PAGEDOWN: return 34;
        case SDLK_END: return 35;
        case SDLK_HOME: return 36;
        default: break;
    }
    if (key >= SDLK_0 && key <= SDLK_9) return 48 + (key - SDLK_0);
    if (key >= SDLK_a && key <= SDLK_z) return 65 + (key - SDLK_a);
    if (key >= SDLK_F4 && key <= SDLK_F12) return 115 + (key - SDLK_F4);
    return -1;
}

bool handleevent(const SDL_Event& e) {
    switch (e.type) {
        case SDL_QUIT:
            quit = true;
            break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) quit = true;
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED) return true;
            break;
        case SDL_MOUSEMOTION:
            pointerx = e.motion.x, pointery = e.motion.y;
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            pointerx = e.button.x, pointery = e.button.y;
            int b = programbutton(e.button.button);
            if (b == 0) break;
            bool pressed = e.type == SDL_MOUSEBUTTONDOWN;
            if (pressed) buttonhit[static_cast<std::size_t>(b)] = true;
            buttondown[static_cast<std::size_t>(b)] = pressed;
            break;
        }
        case SDL_MOUSEWHEEL: {
            int steps = e.wheel.y;
            if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) steps = -steps;
            wheelsteps += steps;
            break;
        }
        case SDL_KEYDOWN: {
            SDL_Keycode key = e.key.keysym.sym;
            if (key == SDLK_BACKSPACE) pushchar(8);
            if (key == SDLK_RETURN || key == SDLK_KP_ENTER) pushchar(13);
            int code = programkey(key);
            if (validkey(code)) {
                if (!e.key.repeat) keyhits[static_cast<std::size_t>(code)] = true;
                keysdown[static_cast<std::size_t>(code)] = true;
            }
            break;
        }
        case SDL_KEYUP: {
            int code = programkey(e.key.keysym.sym);
            if (validkey(code)) keysdown[static_cast<std::size_t>(code)] = false;
            break;
        }
        case SDL_TEXTINPUT:
            taketext(e.text.text);
            break;
        default:
            break;
    }
    return false;
}

void resetinput() {
    quit = false;
    pointerx = pointery = 0;
    buttonhit.fill(false), buttondown.fill(false);
    wheelsteps = 0;
    keyhits.fill(false), keysdown.fill(false);
    typedhead = typedcount = 0;
}

}  // namespace sdlbackend

namespace plat {

void pollsystem() {
    SDL_Event e;
    bool uncovered = false;
    while (SDL_PollEvent(&e))
        if (sdlbackend::handleevent(e)) uncovered = true;
    if (uncovered) sdlbackend::presentagain();
}

bool quitrequested() { return quit; }
int mousex() { return pointerx; }
int mousey() { return pointery; }

bool mousehit(int button) {
    if (button < 1 || button > 3) return false;
    bool hit = buttonhit[static_cast<std::size_t>(button)];
    buttonhit[static_cast<std::size_t>(button)] = false;
    return hit;
}

bool mousedown(int button) {
    return button >= 1 && button <= 3 && buttondown[static_cast<std::size_t>(button)];
}

int wheel() { return wheelsteps; }

void flushmouse() {
    pollsystem();
    buttonhit.fill(false);
    buttondown.fill(false);
    wheelsteps = 0;
}

bool keyhit(int code) {
    if (!validkey(code)) return false;
    bool hit = keyhits[static_cast<std::size_t>(code)];
    keyhits[static_cast<std::size_t>(code)] = false;
    return hit;
}

bool keydown(int code) { return validkey(code) && keysdown[static_cast<std::size_t>(code)]; }

int nextchar() {
    if (typedcount == 0) return 0;
    int code = typed[static_cast<std::size_t>(typedhead)];
    typedhead = (typedhead + 1) % kqueuesize;
    typedcount--;
    return code;
}

}  // namespace plat
