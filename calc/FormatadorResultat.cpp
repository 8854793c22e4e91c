#include "AnalitzadorExpressio.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace calc
{
namespace
{

constexpr double kLimitTruncament = 100000.0;
constexpr double kLimitEnter = 2000000000.0;
// From 2^39 on, every six-byte real is a whole number.
constexpr double kSenseFraccions = 549755813888.0;

double EnterMesProper(double valor) // halves to the even neighbour
{
    double base = std::floor(valor);
    double resta = valor - base;
    if (resta > 0.5 || (resta == 0.5 && std::fmod(base, 2.0) != 0))
        base += 1;
    return base;
}

void Afegir(std::string &text, std::uint64_t n)
{
    char buffer[24];
    auto [fi, error] = std::to_chars(buffer, buffer + sizeof buffer, n);
    (void)error;
    text.append(buffer, fi);
}

// The magnitude with six decimals (halves away from zero), trailing zeros
// and then a bare point removed.
std::string SisDecimals(double magnitud)
{
    std::string text;
    if (magnitud >= kSenseFraccions) {
        // Whole already; larger than any value the evaluator lets through
        // only when called directly, so print every digit of it.
        char buffer[400];
        auto [fi, error] =
            std::to_chars(buffer, buffer + sizeof buffer, magnitud, std::chars_format::fixed, 0);
        (void)error;
        return std::string(buffer, fi);
    }
    // A six-byte real times 10^6 fits the 64-bit significand exactly.
    long double milionesimes = std::floor(static_cast<long double>(magnitud) * 1e6L + 0.5L);
    auto n = static_cast<std::uint64_t>(milionesimes);
    Afegir(text, n / 1000000);
    std::uint64_t fraccio = n % 1000000;
    if (fraccio == 0)
        return text;
    char decimals[7] = {};
    for (int i = 5; i >= 0; --i, fraccio /= 10)
        decimals[i] = static_cast<char>('0' + fraccio % 10);
    std::string_view part(decimals, 6);
    text += ',';
    text += part.substr(0, part.find_last_not_of('0') + 1);
    return text;
}

} // namespace

std::string FormatarResultat(double valor)
{
    if (!std::isfinite(valor))
        return "ERROR DE CÀLCUL"; // the evaluator never passes one on
    if (valor > kLimitTruncament)
        valor = std::trunc(valor);
    double enter = std::clamp(EnterMesProper(valor), -kLimitEnter, kLimitEnter);
    std::string text;
    if (valor == enter) {
        auto n = static_cast<std::int64_t>(enter);
        if (n < 0)
            text += '-';
        Afegir(text, static_cast<std::uint64_t>(n < 0 ? -n : n));
        return text;
    }
    std::string magnitud = SisDecimals(std::fabs(valor));
    // A negative value that rounds to zero at six decimals is written "0".
    if (valor < 0 && magnitud != "0")
        text += '-';
    return text + magnitud;
}

} // namespace calc
