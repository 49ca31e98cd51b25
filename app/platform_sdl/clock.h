// Date text in the program's fixed English form.
#pragma once

#include <ctime>
#include <string>

namespace sdlbackend {

// "%d %b %Y" with English month names whatever the locale, e.g. "09 Dec 2025".
std::string formatdate(const std::tm& date);

}  // namespace sdlbackend
