// Failures Nubo notices are shown as a short code at (20, 20) in the current font and colour, held
// for 2 seconds, and explained in one line on standard error.
#pragma once

#include <string>

namespace nubo {

void mostraerrore(const std::string& codice, const std::string& spiegazione);

}  // namespace nubo
