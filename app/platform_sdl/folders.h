// Where the user's application data lives.
#pragma once

#include <string>

namespace sdlbackend {

// The application-support folder from the environment values given (nullptr when unset), without
// a trailing separator: Linux $XDG_DATA_HOME, else $HOME/.local/share; macOS
// $HOME/Library/Application Support; Windows %APPDATA%. `xdgdata` is used on Linux only.
std::string supportfolder(const char* xdgdata, const char* home, const char* appdata);

}  // namespace sdlbackend
