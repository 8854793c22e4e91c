#include "Text1252.h"

#include <cstdint>

namespace
{

// Code points of 0x80..0x9F; 0 where the code page leaves the byte unused.
constexpr char32_t kZona80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void AfegirUtf8(std::string &sortida, char32_t c)
{
    if (c < 0x80) {
        sortida += static_cast<char>(c);
    } else if (c < 0x800) {
        sortida += static_cast<char>(0xC0 | (c >> 6));
        sortida += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        sortida += static_cast<char>(0xE0 | (c >> 12));
        sortida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        sortida += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string Text1252AUtf8(std::string_view text)
{
    std::string sortida;
    sortida.reserve(text.size() * 2);
    for (char byte : text) {
        const auto b = static_cast<std::uint8_t>(byte);
        const char32_t c = (b >= 0x80 && b < 0xA0) ? kZona80[b - 0x80] : b;
        if (c != 0)
            AfegirUtf8(sortida, c);
    }
    return sortida;
}
