#include "VeusMotor.h"

#include <algorithm>

#include <espeak-ng/speak_lib.h>

namespace VeusMotor
{

bool LlenguaValida(int llengua)
{
    return llengua == kCatala || llengua == kCastella;
}

bool ParlantValid(int parlant)
{
    return parlant >= 0 && parlant <= 2;
}

const char *NomVeu(int llengua, int parlant)
{
    // Catalan numbers its two men first; Spanish puts a woman first.
    static const char *const catala[3] = {"ca+m1", "ca+m3", "ca+f2"};
    static const char *const castella[3] = {"es+f2", "es+m1", "es+f4"};
    return llengua == kCatala ? catala[parlant] : castella[parlant];
}

int ParaulesPerMinut(int percentatge)
{
    const long ppm = static_cast<long>(espeakRATE_NORMAL) * percentatge / 100;
    return static_cast<int>(std::clamp<long>(ppm, espeakRATE_MINIMUM, espeakRATE_MAXIMUM));
}

} // namespace VeusMotor
