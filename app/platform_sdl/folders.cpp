// plat::appsupportfolder from the user's environment.
#include "app/platform_sdl/folders.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

#include "app/platform.h"

namespace sdlbackend {

static std::string withoutslash(std::string path) {
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
    return path;
}

static bool given(const char* v) { return v && *v; }

std::string supportfolder(const char* xdgdata, const char* home, const char* appdata) {
#if defined(_WIN32)
    (void)xdgdata, (void)home;
    return withoutslash(given(appdata) ? appdata : ".");
#elif defined(__APPLE__)
    (void)xdgdata, (void)appdata;
    return withoutslash(given(home) ? home : "") + "/Library/Application Support";
#else
    (void)appdata;
    if (given(xdgdata)) return withoutslash(xdgdata);
    return withoutslash(given(home) ? home : "") + "/.local/share";
#endif
}

}  // namespace sdlbackend

namespace plat {

// The folder is made when missing (a fresh account may have no ~/.local/share yet), so that the
// program's data folder can be created inside it.
std::string appsupportfolder() {
    std::string folder =
        sdlbackend::supportfolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), std::getenv("APPDATA"));
#ifndef _WIN32
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) break;
        if (slash == std::string::npos) break;
    }
#endif
    return folder;
}

}  // namespace plat
