#pragma once

#include <cstddef>
#include <string_view>

// Characters of a UTF-8 text. A well-formed sequence is one character; every
// byte that belongs to none (a stray continuation byte, a bad or cut lead
// byte) counts as a character of its own, so no text has more than four bytes
// per character and a cut between characters never splits a real one.
namespace calc
{

// The bytes of the character that starts at `pos` (1 to 4; 0 at the end).
std::size_t BytesDelCaracter(std::string_view text, std::size_t pos);

std::size_t ComptarCaracters(std::string_view text);

// The bytes of the first `maxim` characters.
std::size_t BytesDeCaracters(std::string_view text, std::size_t maxim);

} // namespace calc
