#include "Utf8.h"

namespace calc
{
namespace
{

bool EsContinuacio(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// How many bytes a lead byte announces, 0 when it cannot start a sequence.
std::size_t Llargada(unsigned char c)
{
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        return 2;
    if (c >= 0xE0 && c <= 0xEF)
        return 3;
    if (c >= 0xF0 && c <= 0xF4)
        return 4;
    return 0;
}

// The narrower ranges of the second byte that rule out overlong forms,
// surrogates and values beyond U+10FFFF.
bool SegonValid(unsigned char lead, unsigned char segon)
{
    switch (lead) {
    case 0xE0:
        return segon >= 0xA0;
    case 0xED:
        return segon <= 0x9F;
    case 0xF0:
        return segon >= 0x90;
    case 0xF4:
        return segon <= 0x8F;
    default:
        return true;
    }
}

// BytesDelCaracter with the common case of ASCII first.
std::size_t Bytes(std::string_view text, std::size_t pos)
{
    return static_cast<unsigned char>(text[pos]) < 0x80 ? 1 : BytesDelCaracter(text, pos);
}

} // namespace

std::size_t BytesDelCaracter(std::string_view text, std::size_t pos)
{
    if (pos >= text.size())
        return 0;
    auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t n = Llargada(lead);
    if (n <= 1 || pos + n > text.size())
        return 1;
    if (!SegonValid(lead, static_cast<unsigned char>(text[pos + 1])))
        return 1;
    for (std::size_t i = 1; i < n; ++i) {
        if (!EsContinuacio(static_cast<unsigned char>(text[pos + i])))
            return 1;
    }
    return n;
}

std::size_t ComptarCaracters(std::string_view text)
{
    std::size_t caracters = 0;
    for (std::size_t i = 0; i < text.size(); i += Bytes(text, i))
        ++caracters;
    return caracters;
}

std::size_t BytesDeCaracters(std::string_view text, std::size_t maxim)
{
    std::size_t i = 0;
    for (std::size_t caracters = 0; i < text.size() && caracters < maxim; ++caracters)
        i += Bytes(text, i);
    return i;
}

} // namespace calc
