#pragma once

#include <string>
#include <string_view>
#include <vector>

// Texts as Festival's Catalan voice is given them.
namespace TextFestival
{

// UTF-8 to ISO-8859-15, the only code page the Catalan voice reads.
// Typographic quotes and dashes become their plain forms; characters the
// code page lacks become a blank.
std::string Iso885915(std::string_view utf8);

// Splits a text into the pieces asked for one at a time, so the first
// sound does not wait for the whole text: after each sentence's end, and a
// piece longer than kMidaTros at its last blank before that size. A comma
// or semicolon standing alone between blanks ("7 per 8 , 56") is joined to
// the word before it, since the voice otherwise reads it out as "coma".
constexpr std::size_t kMidaTros = 200;
std::vector<std::string> Trossos(std::string_view text);

// The text as a Scheme string literal, quotes and backslashes escaped.
std::string CadenaScheme(std::string_view text);

} // namespace TextFestival
