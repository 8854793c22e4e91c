#include "Real48.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace calc
{
namespace
{

constexpr int kBitsSignificand = 40;
constexpr int kExponentMaxim = 126;  // of the largest six-byte real, 1.x * 2^126
constexpr int kExponentMinim = -128; // of the smallest one

// x87 extended precision: a 64-bit significand with its leading bit stored,
// then 15 bits of exponent and the sign. Rounding works on the bits there.
constexpr bool kExtensX87 = std::numeric_limits<long double>::digits == 64 &&
                            std::numeric_limits<long double>::max_exponent == 16384 &&
                            std::endian::native == std::endian::little;

// Rounds a 64-bit significand (leading bit set) to 40 bits, halves to even;
// `exponent` grows by one when the rounding carries out.
std::uint64_t Arrodonir40(std::uint64_t significand, int &exponent)
{
    constexpr int kSobren = 64 - kBitsSignificand;
    constexpr std::uint64_t kMeitat = std::uint64_t{1} << (kSobren - 1);
    std::uint64_t baix = significand & ((std::uint64_t{1} << kSobren) - 1);
    significand >>= kSobren;
    if (baix > kMeitat || (baix == kMeitat && (significand & 1)))
        ++significand;
    if (significand >> kBitsSignificand) {
        significand >>= 1;
        ++exponent;
    }
    return significand;
}

enum class Classe { Zero, Finit, NoFinit };

// valor = significand * 2^(exponent - 63), significand with its leading bit
// set; read straight from the bits where the format allows it.
Classe Descompondre(long double valor, std::uint64_t &significand, int &exponent, bool &negatiu)
{
    if constexpr (kExtensX87) {
        std::uint16_t signeExponent = 0;
        std::memcpy(&significand, &valor, sizeof significand);
        std::memcpy(&signeExponent, reinterpret_cast<const char *>(&valor) + 8,
                    sizeof signeExponent);
        if ((signeExponent & 0x7FFF) == 0x7FFF)
            return Classe::NoFinit;
        if ((significand >> 63) == 0) // zero, or a subnormal far below any six-byte real
            return Classe::Zero;
        negatiu = (signeExponent >> 15) != 0;
        exponent = (signeExponent & 0x7FFF) - 16383;
    } else { // exact for long doubles of up to 64 significant bits
        if (!std::isfinite(valor))
            return Classe::NoFinit;
        if (valor == 0)
            return Classe::Zero;
        long double mantissa = std::frexp(std::fabs(valor), &exponent); // [0.5, 1)
        significand = static_cast<std::uint64_t>(std::ldexp(mantissa, 64));
        negatiu = valor < 0;
        exponent -= 1;
    }
    return Classe::Finit;
}

// Builds the double of ±significand * 2^(exponent - 39) for a 40-bit
// significand and an exponent within the six-byte range.
double Compondre(std::uint64_t significand, int exponent, bool negatiu)
{
    constexpr int kBitsFraccioDouble = 52;
    std::uint64_t fraccio = (significand & ((std::uint64_t{1} << (kBitsSignificand - 1)) - 1))
                            << (kBitsFraccioDouble - (kBitsSignificand - 1));
    std::uint64_t bits = (std::uint64_t{negatiu} << 63) |
                         (static_cast<std::uint64_t>(exponent + 1023) << kBitsFraccioDouble) |
                         fraccio;
    return std::bit_cast<double>(bits);
}

} // namespace

bool ArrodonirReal48(long double valor, double &resultat)
{
    std::uint64_t significand = 0;
    int exponent = 0;
    bool negatiu = false;
    Classe classe = Descompondre(valor, significand, exponent, negatiu);
    if (classe == Classe::NoFinit)
        return false;
    if (classe == Classe::Zero || exponent < kExponentMinim - 1) {
        resultat = 0.0;
        return true;
    }
    significand = Arrodonir40(significand, exponent);
    if (exponent > kExponentMaxim)
        return false;
    resultat = exponent < kExponentMinim ? 0.0 : Compondre(significand, exponent, negatiu);
    return true;
}

} // namespace calc
