#pragma once

#include "AnalitzadorExpressio.h"

// The arithmetic of the evaluator: every operation works in extended
// precision and returns an ErrorCalcul; the caller rounds and stores.
namespace calc
{

// The value of pi that the text constant "PI" and the degree conversions use.
inline constexpr long double kPiDelPrograma = 3.141593L;

// a + b, a - b, a * b, a / b or a ^ b, by the operator's code.
int Operar(Codi operador, long double a, long double b, long double &resultat);

// a ^ b.
int Potencia(long double a, long double b, long double &resultat);

// One of the functions SIN to LNE applied to x.
int AplicarFuncio(Codi funcio, long double x, long double &resultat);

} // namespace calc
