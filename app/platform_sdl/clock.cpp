// Clock, chance and date of app/platform.h.
#include "app/platform_sdl/clock.h"

#include <SDL.h>

#include <cstdio>
#include <random>

#include "app/platform.h"

namespace sdlbackend {

std::string formatdate(const std::tm& date) {
    static const char* const months[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    int month = date.tm_mon >= 0 && date.tm_mon < 12 ? date.tm_mon : 0;
    char text[40];
    std::snprintf(text, sizeof text, "%02d %s %04d", date.tm_mday, months[month], date.tm_year + 1900);
    return text;
}

}  // namespace sdlbackend

namespace plat {

int millisecs() { return static_cast<int>(SDL_GetTicks64() & 0x7FFFFFFF); }

void sleepms(int ms) {
    if (ms > 0) SDL_Delay(static_cast<Uint32>(ms));
}

int randomint(int lo, int hi) {
    static std::mt19937 generator{std::random_device{}() ^ static_cast<unsigned>(SDL_GetPerformanceCounter())};
    if (hi < lo) return lo;
    return std::uniform_int_distribution<int>(lo, hi)(generator);
}

std::string datetext() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return sdlbackend::formatdate(local);
}

}  // namespace plat
