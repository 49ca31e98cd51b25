// Conversions between the program's 8-bit texts (byte value = Latin-1 = Unicode code point 0..255)
// and the UTF-8 that SDL hands over for typed text and the clipboard.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sdlbackend {

// Decodes one well-formed UTF-8 sequence at s[0..n); returns its length, or 0 when the bytes there
// start no well-formed sequence (stray continuation, overlong form, surrogate, above U+10FFFF, cut).
std::size_t decodeutf8(const unsigned char* s, std::size_t n, std::uint32_t& codepoint);

// UTF-8 to 8-bit codes: characters above 255 are dropped; a byte that starts no well-formed
// sequence is taken as the Latin-1 character of its own value.
std::string utf8tolatin1(std::string_view utf8);

// 8-bit codes to UTF-8 (each byte is one Latin-1 character).
std::string latin1toutf8(std::string_view latin1);

}  // namespace sdlbackend
