#pragma once

// The evaluator keeps its values as six-byte reals: a 40-bit significand
// (39 stored bits and a hidden one) and an exponent from -128 to 126.
// They live in doubles, which hold every such value exactly.
namespace calc
{

// The largest six-byte real, (2^40 - 1) * 2^87, about 1.7e38.
inline constexpr double kMaximReal48 = 1099511627775.0 * 154742504910672534362390528.0;
// The smallest positive one, 2^-128, about 2.9e-39.
inline constexpr double kMinimReal48 = 1.0 / (340282366920938463463374607431768211456.0);

// Rounds an extended value to the nearest six-byte real (ties to even) and
// stores it in `resultat`. Magnitudes below the smallest one become 0 (never
// -0). Returns false, leaving `resultat` alone, when the value is too large
// for a six-byte real or is not finite.
bool ArrodonirReal48(long double valor, double &resultat);

} // namespace calc
