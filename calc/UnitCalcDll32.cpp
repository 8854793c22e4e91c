#include "UnitCalcDll32.h"

#include "AnalitzadorExpressio.h"
#include "Utf8.h"

namespace
{

constexpr std::size_t kCaractersMaxims = 255;
constexpr std::string_view kErrorAnalisi = "ERROR D'ANÀLISIS";
constexpr std::string_view kErrorCalcul = "ERROR DE CÀLCUL";

void Tallar(std::string &text, std::size_t maxim)
{
    text.resize(calc::BytesDeCaracters(text, maxim));
}

// The text, " = " and the error, cut to the longest result; only the part of
// the text that can show is copied.
std::string AmbError(std::string_view text, std::string_view error)
{
    std::string resultat(text.substr(0, calc::BytesDeCaracters(text, kCaractersMaxims)));
    resultat.append(" = ").append(error);
    Tallar(resultat, kCaractersMaxims);
    return resultat;
}

} // namespace

std::string AvaluarExpressio(std::string_view text)
{
    calc::TaulaTokens taula;
    if (calc::AnalitzarExpressio(text, 0, taula) != calc::kAnalisiCorrecta)
        return AmbError(text, kErrorAnalisi);
    double valor = 0;
    if (calc::CalcularExpressio(taula, 0.0, valor) != calc::kCalculCorrecte)
        return AmbError(text, kErrorCalcul);
    std::string resultat = calc::FormatarResultat(valor);
    Tallar(resultat, kCaractersMaxims);
    return resultat;
}
