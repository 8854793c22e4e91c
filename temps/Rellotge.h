#pragma once

#include <cstdint>
#include <optional>

// The program's clock: a 32-bit millisecond tick count that wraps, and the
// length in real time of the program's pauses. Tests speed both up or freeze
// the tick so that no test sleeps through a real pause.
class Rellotge
{
public:
    // Milliseconds since an arbitrary origin, modulo 2^32.
    static std::uint32_t GetTickCount();

    // Real milliseconds that a pause of `ms` program milliseconds lasts.
    static int durada(int ms);

    // Test seams.
    static void setAcceleracio(int factor);               // pauses and ticks run `factor` times faster
    static void setTickFix(std::optional<std::uint32_t> tick); // a frozen tick count
    static void setDesplacament(std::uint32_t ms);        // added to the tick (to test the wrap)
    static int acceleracio();
};
