#include "Operacions.h"

#include <cmath>
#include <numbers>

namespace calc
{
namespace
{

constexpr long double kLimit = 1e19L;
constexpr long double kLimitInferior = 1e-19L;
constexpr long double kLimitExponent = 88.0L;
constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kGrausPerRadian = 180.0L * (1.0L / kPi);
constexpr long double kRadiansPerGrau = (1.0L / 180.0L) * kPiDelPrograma;

bool DinsDelLimit(long double a, long double b)
{
    return std::fabs(a) < kLimit && std::fabs(b) < kLimit;
}

int Dividir(long double a, long double b, long double &resultat)
{
    if (b == 0)
        return kDivisioPerZero;
    if (std::fabs(a) >= kLimit || std::fabs(b) <= kLimitInferior)
        return kDesbordament;
    resultat = a / b;
    return kCalculCorrecte;
}

// b whole, not 0, |b| < 100: repeated products. The bounds are signed, as
// the rule reads: a negative running product is never "above" 1e19, and a
// negative product is always "at most" 1e-19, so an odd negative power of a
// negative base is refused.
int PotenciaEntera(long double a, long double b, long double &resultat)
{
    auto vegades = static_cast<int>(std::fabs(b));
    long double producte = 1;
    for (int i = 0; i < vegades; ++i) {
        producte *= a;
        if (producte > kLimit || a > kLimit)
            return kDesbordament;
    }
    if (b < 0) {
        if (producte <= kLimitInferior)
            return kDesbordament;
        producte = 1 / producte;
    }
    resultat = producte;
    return kCalculCorrecte;
}

// a < 0, b not a small whole number: looks for an angle b*pi*(2k + 1), no
// larger than 2*pi, whose sine vanishes; its cosine gives the sign.
int PotenciaBaseNegativa(long double a, long double b, long double &resultat)
{
    const long double dosPi = 2 * kPi;
    for (long double k = 0;; k += 1) {
        long double angle = b * kPi + b * k * dosPi;
        if (!(std::fabs(angle) <= dosPi)) // also ends on a NaN
            return kForaDelDomini;
        if (std::fabs(std::sin(angle)) <= 1e-5L) {
            resultat = std::cos(angle) * std::exp(b * std::log(std::fabs(a)));
            return kCalculCorrecte;
        }
    }
}

// 1 - x^2 under the root of the arc functions; false outside [-1, 1].
bool Complement(long double x, long double &complement)
{
    complement = 1 - x * x;
    return complement >= 0;
}

int ArcSinus(long double x, long double &radians)
{
    long double q = 0;
    if (x == 1 || x == -1)
        radians = x * (kPi / 2);
    else if (!Complement(x, q))
        return kForaDelDomini;
    else
        radians = std::atan(x / std::sqrt(q));
    return kCalculCorrecte;
}

// The arc cosine as the evaluator has always given it: 3.141593 (or 180
// degrees) added for a negative x.
int ArcCosinus(long double x, bool graus, long double &resultat)
{
    long double q = 0;
    if (x == 0) {
        resultat = graus ? 90.0L : kPi / 2;
        return kCalculCorrecte;
    }
    if (!Complement(x, q))
        return kForaDelDomini;
    long double angle = std::atan(std::sqrt(q) / x);
    if (graus)
        resultat = angle * kGrausPerRadian + (x < 0 ? 180.0L : 0.0L);
    else
        resultat = angle + (x < 0 ? kPiDelPrograma : 0.0L);
    return kCalculCorrecte;
}

int Tangent(long double radians, long double &resultat)
{
    long double cosinus = std::cos(radians);
    if (std::fabs(cosinus) <= kLimitInferior)
        return kDesbordament;
    resultat = std::sin(radians) / cosinus;
    return kCalculCorrecte;
}

int Logaritme(long double x, bool decimal, long double &resultat)
{
    if (x <= 0)
        return kLogaritmeNoPositiu;
    resultat = decimal ? std::log(x) / std::log(10.0L) : std::log(x);
    return kCalculCorrecte;
}

int Exponencial(long double x, long double &resultat)
{
    if (!(x > -kLimitExponent && x < kLimitExponent))
        return kDesbordament;
    resultat = std::exp(x);
    return kCalculCorrecte;
}

int Valor(long double valor, long double &resultat)
{
    resultat = valor;
    return kCalculCorrecte;
}

} // namespace

int Potencia(long double a, long double b, long double &resultat)
{
    if (b != 0 && std::fabs(b) < 100 && b == std::trunc(b))
        return PotenciaEntera(a, b, resultat);
    if (a > 0) {
        long double exponent = b * std::log(a);
        if (!(exponent > -kLimitExponent && exponent < kLimitExponent))
            return kDesbordament;
        resultat = std::exp(exponent);
        return kCalculCorrecte;
    }
    if (a == 0) {
        if (!(b > 0))
            return kForaDelDomini;
        resultat = 0;
        return kCalculCorrecte;
    }
    return PotenciaBaseNegativa(a, b, resultat);
}

int Operar(Codi operador, long double a, long double b, long double &resultat)
{
    switch (operador) {
    case Codi::Suma:
        return DinsDelLimit(a, b) ? Valor(a + b, resultat) : kDesbordament;
    case Codi::Resta:
        return DinsDelLimit(a, b) ? Valor(a - b, resultat) : kDesbordament;
    case Codi::Producte:
        return DinsDelLimit(a, b) ? Valor(a * b, resultat) : kDesbordament;
    case Codi::Quocient:
        return Dividir(a, b, resultat);
    case Codi::Potencia:
        return Potencia(a, b, resultat);
    default:
        return kTaulaIncoherent;
    }
}

int AplicarFuncio(Codi funcio, long double x, long double &resultat)
{
    long double radians = 0;
    int error = kCalculCorrecte;
    switch (funcio) {
    case Codi::SIN:
        return Valor(std::sin(x), resultat);
    case Codi::SIG:
        return Valor(std::sin(x * kRadiansPerGrau), resultat);
    case Codi::COS:
        return Valor(std::cos(x), resultat);
    case Codi::COG:
        return Valor(std::cos(x * kRadiansPerGrau), resultat);
    case Codi::TAN:
        return Tangent(x, resultat);
    case Codi::TAG:
        return Tangent(x * kRadiansPerGrau, resultat);
    case Codi::ASI:
        return ArcSinus(x, resultat);
    case Codi::ASG:
        if (x == 1 || x == -1)
            return Valor(x * 90, resultat);
        error = ArcSinus(x, radians);
        return error ? error : Valor(radians * kGrausPerRadian, resultat);
    case Codi::ACO:
        return ArcCosinus(x, false, resultat);
    case Codi::ACG:
        return ArcCosinus(x, true, resultat);
    case Codi::ATA:
        return Valor(std::atan(x), resultat);
    case Codi::ATG:
        return Valor(std::atan(x) * kGrausPerRadian, resultat);
    case Codi::ABS:
        return Valor(std::fabs(x), resultat);
    case Codi::LOG:
        return Logaritme(x, true, resultat);
    case Codi::LNE:
        return Logaritme(x, false, resultat);
    case Codi::ALO:
        return Potencia(10, x, resultat);
    case Codi::EXP:
        return Exponencial(x, resultat);
    default:
        return kTaulaIncoherent;
    }
}

} // namespace calc
