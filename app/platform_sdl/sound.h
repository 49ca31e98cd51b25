// Audio output for plat::loadsound and plat::playsound.
#pragma once

namespace sdlbackend {

// Opens the mixer; without a usable audio device it tries SDL's dummy driver, and if even that
// fails sounds are silently not played.
void startaudio();
void stopaudio();

}  // namespace sdlbackend
