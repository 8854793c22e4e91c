#pragma once

#include <string>
#include <string_view>

// Converts text in the Windows Western code page (Latin-1 plus printable
// characters in 0x80..0x9F) to UTF-8. Bytes without a character there are
// dropped.
std::string Text1252AUtf8(std::string_view text);
