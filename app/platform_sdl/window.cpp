// Window and frame presentation. The window is made once, hidden, at start-up; opening it sets its
// title and size (a size larger than the screen's usable area is cut to it, so windowwidth tells
// the program its wish did not fit) and it appears with the first shown frame. The GL context and
// every texture live as long as the window.
#include "app/platform_sdl/window.h"

#include <GL/glew.h>
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "app/platform.h"
#include "app/platform_sdl/batch.h"
#include "app/platform_sdl/gl_objects.h"

namespace {

SDL_Window* window = nullptr;
SDL_GLContext context = nullptr;
std::string title = "Nubo";
int width = 1200, height = 720;
bool opened = false;        // the program has opened the window
bool visible = false;
bool mustpresent = false;   // the window does not show the picture yet
int swapinterval = -1;

[[noreturn]] void windowfailure(const char* what) {
    std::fprintf(stderr, "nubo platform: %s: %s\n", what, SDL_GetError());
    std::exit(1);
}

// Start-up frees much among blocks still in use (decoded pictures, glyph bitmaps, the shader
// compiler's scratch) and the C library keeps those pages; once the first frame is up, they go back.
void returnfreememory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

// Mesa's software renderer allocates and frees megabytes for every frame it draws (a busy board:
// about 9 MB). By default the C library gives such memory back to the kernel at once and the next
// frame faults it in again, page by page: a quarter of a busy frame's CPU. Freed memory up to this
// much stays with the process for the next frame; start-up's leftovers still go back once the
// first frame is up.
void keepframememory() {
#ifdef __GLIBC__
    constexpr int kept = 32 << 20;
    mallopt(M_TRIM_THRESHOLD, kept);
    // Setting a threshold fixes the other at its default: blocks from 128 KB up would be mapped
    // afresh each time.
    mallopt(M_MMAP_THRESHOLD, kept);
#endif
}

void present() {
    int dw = 0, dh = 0;
    SDL_GL_GetDrawableSize(window, &dw, &dh);
    sdlbackend::batchpresent(dw, dh);
    SDL_GL_SwapWindow(window);
    mustpresent = false;
    static bool settled = false;
    if (!settled) {
        settled = true;
        returnfreememory();
    }
}

}  // namespace

namespace sdlbackend {

void startwindow() {
    keepframememory();
    // A compatibility context: the renderer's ARB programs exist only there (see gl_objects.cpp).
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                              SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window) windowfailure("cannot create a window");
    context = SDL_GL_CreateContext(window);
    if (!context) windowfailure("cannot create an OpenGL context");
    if (SDL_GL_MakeCurrent(window, context) != 0) windowfailure("cannot use the OpenGL context");
    glewExperimental = GL_TRUE;
    GLenum status = glewInit();
    // Under EGL GLEW reports a missing GLX display although every function pointer was loaded.
    if (status != GLEW_OK && !glGenFramebuffers) {
        std::fprintf(stderr, "nubo platform: cannot load OpenGL functions: %s\n",
                     reinterpret_cast<const char*>(glewGetErrorString(status)));
        std::exit(1);
    }
    while (glGetError() != GL_NO_ERROR) {
    }
    glsetup();
    batchresize(width, height);
}

void presentagain() {
    if (visible) present();
}

void stopwindow() {
    if (context) SDL_GL_DeleteContext(context);
    if (window) SDL_DestroyWindow(window);
    context = nullptr, window = nullptr;
}

}  // namespace sdlbackend

namespace plat {

void setwindowtitle(const std::string& text) { title = text; }

void openwindow(int w, int h) {
    w = std::max(w, 1), h = std::max(h, 1);
    SDL_Rect usable;
    int display = SDL_GetWindowDisplayIndex(window);
    if (SDL_GetDisplayUsableBounds(display < 0 ? 0 : display, &usable) == 0 && usable.w > 0 && usable.h > 0)
        w = std::min(w, usable.w), h = std::min(h, usable.h);
    SDL_SetWindowTitle(window, title.c_str());
    SDL_SetWindowSize(window, w, h);
    SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    SDL_GetWindowSize(window, &width, &height);
    sdlbackend::batchresize(width, height);
    opened = true;
    mustpresent = true;
}

int windowwidth() { return width; }

void showframe(bool waitvblank) {
    int interval = waitvblank ? 1 : 0;
    if (interval != swapinterval) {
        SDL_GL_SetSwapInterval(interval);
        swapinterval = interval;
    }
    bool changed = sdlbackend::batchrender();
    if (opened && !visible) {
        SDL_ShowWindow(window);
        visible = true;
        mustpresent = true;
    }
    if (visible && (changed || mustpresent)) present();
}

}  // namespace plat
