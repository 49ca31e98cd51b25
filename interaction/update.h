// The update check: the first line of the release file on the maker's server, compared with this
// build's number; the maker's home page opens in the browser when they differ.
#pragma once

namespace nubo {

// Blocks the pass until the answer or the connection's timeout.
void controllaaggiornamenti();

}  // namespace nubo
