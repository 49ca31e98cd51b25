// The three sounds, synthesised: their lengths in samples are fixed because the program's
// timing was tuned to them.
#pragma once

#include <cstdint>
#include <vector>

std::vector<std::int16_t> synthclick();    // suono1.wav: 261 samples, a short tick
std::vector<std::int16_t> synthconfirm();  // suono2.wav: 3679 samples, a rising two-note chime
std::vector<std::int16_t> synthleave();    // suono3.wav: 5519 samples, a falling tone
