// libFuzzer target: any byte string gets a number or one of the two failure
// texts, never a crash, and the three steps agree with the entry point.

#include "AnalitzadorExpressio.h"
#include "UnitCalcDll32.h"
#include "Utf8.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{

void Exigir(bool condicio, const char *que)
{
    if (!condicio) {
        std::fprintf(stderr, "broken: %s\n", que);
        std::abort();
    }
}

// A refused text comes back followed by its error text, cut to 255 characters.
void RevisarFracas(const std::string &text, const std::string &resultat, const char *error)
{
    std::string complet = text + " = " + error;
    Exigir(complet.starts_with(resultat), "a failure starts with the text as written");
    Exigir(resultat == complet || calc::ComptarCaracters(resultat) == 255,
           "a failure is cut only at 255 characters");
    Exigir(resultat.size() == calc::BytesDeCaracters(complet, 255) || resultat == complet,
           "the cut falls between characters");
}

// "-12,5" back to -12.5; false unless the text has the result's form.
bool LlegirResultat(const std::string &text, double &valor)
{
    std::size_t i = text.starts_with('-') ? 1 : 0;
    std::size_t coma = text.find(',');
    std::size_t fiEnter = coma == std::string::npos ? text.size() : coma;
    if (fiEnter == i || text.size() - (coma == std::string::npos ? text.size() : coma) > 7)
        return false;
    long double v = 0, escala = 1;
    for (std::size_t j = i; j < text.size(); ++j) {
        if (j == coma)
            continue;
        if (text[j] < '0' || text[j] > '9')
            return false;
        v = v * 10 + (text[j] - '0');
        if (j > coma && coma != std::string::npos)
            escala *= 10;
    }
    if (coma != std::string::npos && text.back() == '0')
        return false; // trailing zeros are trimmed
    valor = static_cast<double>((i ? -v : v) / escala);
    return true;
}

void RevisarNombre(const std::string &resultat, double valor)
{
    double llegit = 0;
    Exigir(LlegirResultat(resultat, llegit), "a result has the form -12,345");
    Exigir(resultat != "-0", "zero has no sign");
    Exigir(std::fabs(valor) <= 1e19, "results stay within 1e19");
    double esperat = valor > 100000 ? std::trunc(valor) : valor;
    Exigir(std::fabs(llegit - esperat) <= 5.1e-7 + std::fabs(esperat) * 1e-15,
           "the text is the value to six decimals");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *dades, std::size_t mida)
{
    std::string text(reinterpret_cast<const char *>(dades), mida);
    std::string resultat = AvaluarExpressio(text);

    calc::TaulaTokens taula;
    int analisi = calc::AnalitzarExpressio(text, 0, taula);
    Exigir(analisi != calc::kTaulaPlena, "the token table has room for every text");
    if (analisi != calc::kAnalisiCorrecta) {
        RevisarFracas(text, resultat, "ERROR D'ANÀLISIS");
        return 0;
    }
    double valor = 0;
    int calcul = calc::CalcularExpressio(taula, 0.0, valor);
    Exigir(calcul != calc::kTaulaIncoherent, "analysed tables alternate values and operators");
    if (calcul != calc::kCalculCorrecte) {
        RevisarFracas(text, resultat, "ERROR DE CÀLCUL");
        return 0;
    }
    RevisarNombre(resultat, valor);
    return 0;
}
