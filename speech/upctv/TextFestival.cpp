#include "TextFestival.h"

#include <cstdint>

namespace TextFestival
{

namespace
{

// Decodes one UTF-8 character at i and moves i past it; U+FFFD for a
// malformed sequence.
char32_t Descodificar(std::string_view s, std::size_t &i)
{
    const auto b = static_cast<std::uint8_t>(s[i++]);
    int seguents = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    if (b >= 0x80 && seguents == 0)
        return 0xFFFD;
    char32_t c = seguents == 3 ? (b & 0x07) : seguents == 2 ? (b & 0x0F) : seguents ? (b & 0x1F) : b;
    for (; seguents > 0; --seguents) {
        if (i >= s.size() || (static_cast<std::uint8_t>(s[i]) & 0xC0) != 0x80)
            return 0xFFFD;
        c = (c << 6) | (static_cast<std::uint8_t>(s[i++]) & 0x3F);
    }
    return c;
}

// The ISO-8859-15 text for one character.
std::string_view Caracter(char32_t c, char &u)
{
    // Latin-1 positions the code page gave to other letters.
    auto reutilitzat = [](char32_t x) {
        return x == 0xA4 || x == 0xA6 || x == 0xA8 || x == 0xB4 || x == 0xB8 || x == 0xBC ||
               x == 0xBD || x == 0xBE;
    };
    auto un = [&u](unsigned char b) { u = static_cast<char>(b); return std::string_view(&u, 1); };
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0))
        return " ";
    if (c < 0x80 || (c < 0x100 && !reutilitzat(c)))
        return un(static_cast<unsigned char>(c));
    switch (c) {
    case 0x20AC: return un(0xA4); // euro sign
    case 0x0160: return un(0xA6);
    case 0x0161: return un(0xA8);
    case 0x017D: return un(0xB4);
    case 0x017E: return un(0xB8);
    case 0x0152: return un(0xBC);
    case 0x0153: return un(0xBD);
    case 0x0178: return un(0xBE);
    case 0x2018: case 0x2019: case 0x201A: return "'"; // l’hora is l'hora
    case 0x201C: case 0x201D: case 0x201E: return "\"";
    case 0x2013: case 0x2014: return "-";
    case 0x2026: return "...";
    default: return " ";
    }
}

bool Blanc(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool FiDeFrase(char c)
{
    return c == '.' || c == '!' || c == '?' || c == ';';
}

// Copies the text with a lone comma or semicolon moved onto the word before.
std::string AjuntarSignesSols(std::string_view text)
{
    std::string sortida;
    sortida.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool sol = (c == ',' || c == ';') && i > 0 && Blanc(text[i - 1]) &&
                         (i + 1 == text.size() || Blanc(text[i + 1]));
        if (sol)
            while (!sortida.empty() && Blanc(sortida.back()))
                sortida.pop_back();
        sortida += c;
    }
    return sortida;
}

void Afegir(std::vector<std::string> &trossos, std::string_view tros)
{
    while (!tros.empty() && Blanc(tros.front()))
        tros.remove_prefix(1);
    while (!tros.empty() && Blanc(tros.back()))
        tros.remove_suffix(1);
    if (!tros.empty())
        trossos.emplace_back(tros);
}

} // namespace

std::string Iso885915(std::string_view utf8)
{
    std::string sortida;
    sortida.reserve(utf8.size());
    char u = 0;
    for (std::size_t i = 0; i < utf8.size();)
        sortida += Caracter(Descodificar(utf8, i), u);
    return sortida;
}

std::vector<std::string> Trossos(std::string_view text)
{
    const std::string ajuntat = AjuntarSignesSols(text);
    std::string_view resta = ajuntat;
    std::vector<std::string> trossos;
    while (!resta.empty()) {
        std::size_t fi = 0;
        while (fi < resta.size() && fi < kMidaTros &&
               !(FiDeFrase(resta[fi]) && (fi + 1 == resta.size() || Blanc(resta[fi + 1]))))
            ++fi;
        if (fi == kMidaTros && fi < resta.size()) {
            const auto blanc = resta.substr(0, kMidaTros).find_last_of(' ');
            fi = blanc == std::string_view::npos || blanc == 0 ? kMidaTros : blanc;
        } else if (fi < resta.size()) {
            ++fi; // the sentence's own mark stays with it
        }
        Afegir(trossos, resta.substr(0, fi));
        resta.remove_prefix(fi);
    }
    return trossos;
}

std::string CadenaScheme(std::string_view text)
{
    std::string sortida = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            sortida += '\\';
        sortida += c;
    }
    return sortida + '"';
}

} // namespace TextFestival
