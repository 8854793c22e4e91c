#include "Real48.h"

#include <cmath>

namespace calc
{
namespace
{

constexpr int kBitsSignificand = 40;

// Rounds a long double to a whole number, halves to the even neighbour, in
// whatever rounding mode the caller left the processor.
long double ArrodonirParell(long double x)
{
    long double base = std::floor(x);
    long double resta = x - base;
    if (resta > 0.5L || (resta == 0.5L && std::fmod(base, 2.0L) != 0))
        base += 1;
    return base;
}

} // namespace

bool ArrodonirReal48(long double valor, double &resultat)
{
    if (!std::isfinite(valor))
        return false;
    if (valor == 0) {
        resultat = 0.0;
        return true;
    }
    int exponent = 0;
    long double mantissa = std::frexp(valor, &exponent); // 0.5 <= |mantissa| < 1
    long double significand = ArrodonirParell(std::ldexp(mantissa, kBitsSignificand));
    long double arrodonit = std::ldexp(significand, exponent - kBitsSignificand);
    long double magnitud = std::fabs(arrodonit);
    if (magnitud > kMaximReal48)
        return false;
    resultat = magnitud < kMinimReal48 ? 0.0 : static_cast<double>(arrodonit);
    return true;
}

} // namespace calc
