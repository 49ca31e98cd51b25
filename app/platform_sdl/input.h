// Input state fed by SDL events: quit request, pointer, buttons, wheel, keys, typed characters.
#pragma once

#include <SDL.h>

namespace sdlbackend {

// Takes one event into the input state. True when the event asks for the picture to be shown
// again (the window was uncovered).
bool handleevent(const SDL_Event& event);
int programkey(SDL_Keycode key);  // the program's code for an SDL key (Windows-style), -1 none
void resetinput();                // everything released, nothing pending, no quit request

}  // namespace sdlbackend
