// Writes 16-bit mono PCM samples as a RIFF WAVE file with the plain 44-byte header.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int soundrate = 22050;  // samples per second of every sound

// False, with a message on stderr, when the file cannot be written.
bool writewav(const std::string& path, const std::vector<std::int16_t>& samples);
