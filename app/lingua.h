// The text table: every text Nubo shows apart from item texts, error codes, numbers and a few
// short labels, in the language chosen when Nubo is built.
#pragma once

#include <string>

namespace nubo {

constexpr int numerotesti = 38;
extern std::string lingua[numerotesti];

// Fills lingua for linguacompilazione; any other language leaves every entry empty.
void costruiscilingua();

}  // namespace nubo
