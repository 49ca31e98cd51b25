// HTTP client set-up for plat::httpget.
#pragma once

namespace sdlbackend {

void stophttp();  // at the end: libcurl's global state, if a request ever set it up

}  // namespace sdlbackend
