#pragma once

// The engine's choices of espeak-ng voice and rate.
namespace VeusMotor
{

constexpr int kCatala = 99;    // 'c'
constexpr int kCastella = 101; // 'e'

bool LlenguaValida(int llengua);
bool ParlantValid(int parlant);
// espeak-ng voice name for a language code and a speaker number, both valid.
const char *NomVeu(int llengua, int parlant);
// espeak-ng words per minute for a rate in percent of the normal one.
int ParaulesPerMinut(int percentatge);

} // namespace VeusMotor
