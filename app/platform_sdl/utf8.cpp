// UTF-8 <-> Latin-1 for typed text and the clipboard; linear in the text's length.
#include "app/platform_sdl/utf8.h"

namespace sdlbackend {

std::size_t decodeutf8(const unsigned char* s, std::size_t n, std::uint32_t& codepoint) {
    if (n == 0) return 0;
    unsigned char b = s[0];
    if (b < 0x80) {
        codepoint = b;
        return 1;
    }
    std::size_t len;
    std::uint32_t cp, min;
    if (b >= 0xC2 && b <= 0xDF) {
        len = 2, cp = b & 0x1F, min = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        len = 3, cp = b & 0x0F, min = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        len = 4, cp = b & 0x07, min = 0x10000;
    } else {
        return 0;  // continuation byte, C0/C1 (always overlong) or F5..FF
    }
    if (n < len) return 0;
    for (std::size_t i = 1; i < len; i++) {
        if ((s[i] & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (s[i] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    codepoint = cp;
    return len;
}

std::string utf8tolatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
    std::size_t n = utf8.size(), i = 0;
    while (i < n) {
        std::uint32_t cp = 0;
        std::size_t len = decodeutf8(s + i, n - i, cp);
        if (len == 0) {
            out.push_back(static_cast<char>(s[i]));
            i++;
            continue;
        }
        if (cp <= 0xFF) out.push_back(static_cast<char>(cp));
        i += len;
    }
    return out;
}

std::string latin1toutf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size() + latin1.size() / 4);
    for (char ch : latin1) {
        auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out.push_back(ch);
        } else {
            out.push_back(static_cast<char>(0xC0 | (b >> 6)));
            out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
    return out;
}

}  // namespace sdlbackend
