#include "Rellotge.h"

#include <chrono>

namespace {
int acceleracioActual = 1;
std::optional<std::uint32_t> tickFix;
std::uint32_t desplacament = 0;

std::uint64_t milisegonsMonotons()
{
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
} // namespace

std::uint32_t Rellotge::GetTickCount()
{
    if (tickFix)
        return *tickFix;
    // Unsigned arithmetic: the conversion to 32 bits is the wrap.
    return static_cast<std::uint32_t>(milisegonsMonotons() * static_cast<std::uint64_t>(acceleracioActual)) +
           desplacament;
}

int Rellotge::durada(int ms)
{
    if (ms <= 0)
        return 0;
    return ms / acceleracioActual;
}

void Rellotge::setAcceleracio(int factor) { acceleracioActual = factor < 1 ? 1 : factor; }
void Rellotge::setTickFix(std::optional<std::uint32_t> tick) { tickFix = tick; }
void Rellotge::setDesplacament(std::uint32_t ms) { desplacament = ms; }
int Rellotge::acceleracio() { return acceleracioActual; }
