// The one SDL window and its OpenGL context.
#pragma once

namespace sdlbackend {

// Makes the window (hidden until a frame is shown) and the GL context, so that fonts and images
// can become textures before the program opens its window. Ends the program when it cannot.
void startwindow();
void presentagain();  // shows the last picture again, e.g. after the window was uncovered
void stopwindow();

}  // namespace sdlbackend
