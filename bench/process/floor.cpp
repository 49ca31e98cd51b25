// The floor of our stack: SDL2 + an OpenGL compatibility context (GLEW) opening Nubo's window and
// showing an empty cleared frame every 30 ms, nothing else. What measure.sh reports for it is the
// cost of the window, the GL driver and the frame pace alone; Nubo's figures above it are ours.
#include <GL/glew.h>
#include <SDL.h>

#include <cstdio>
#include <string>

int main(int, char**) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "nubo_floor: SDL_Init: %s\n", SDL_GetError());
        return 1;
    }
    // The same context Nubo asks for, so both pay for the same driver set-up.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);

    const std::string title = "Nubo! (build:308)" + std::string(45, ' ') + "press F1-F2-F3 to change sheet";
    SDL_Window* window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          1200, 720, SDL_WINDOW_OPENGL);
    if (!window) {
        std::fprintf(stderr, "nubo_floor: SDL_CreateWindow: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (!context) {
        std::fprintf(stderr, "nubo_floor: SDL_GL_CreateContext: %s\n", SDL_GetError());
        return 1;
    }
    glewExperimental = GL_TRUE;
    GLenum status = glewInit();
    // Loaded as Nubo does, so the floor pays for it too; glClear itself comes straight from libGL,
    // so a failure here (GLEW under EGL reports one though every pointer loaded) is only noted.
    if (status != GLEW_OK)
        std::fprintf(stderr, "nubo_floor: glewInit: %s\n", reinterpret_cast<const char*>(glewGetErrorString(status)));
    SDL_GL_SetSwapInterval(0);
    glClearColor(150 / 255.0f, 150 / 255.0f, 150 / 255.0f, 1.0f);

    bool quit = false;
    while (!quit) {
        glClear(GL_COLOR_BUFFER_BIT);
        SDL_GL_SwapWindow(window);
        SDL_Event e;
        while (SDL_PollEvent(&e))
            if (e.type == SDL_QUIT) quit = true;
        SDL_Delay(30);
    }
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
