// HTTP client set-up for plat::httpget.
#pragma once

namespace sdlbackend {

void starthttp();  // libcurl's global state, once
void stophttp();

}  // namespace sdlbackend
