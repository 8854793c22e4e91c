#pragma once

#include "Textos.h"

// The texts of the "Accés" window, where the person who sets up a learner's
// access tunes the switches, the scan, dwell and the frame.
namespace Textos {
std::span<const TextControl> acces();
std::span<const TextAccessible> accessiblesAcces();
QString titolAcces(Llengua llengua);
// What a setting's value reads: tenths of a second as "0,5 s", and the
// words for no limit and for dwell off.
QString segons(Llengua llengua, int decimes);
QString senseLimit(Llengua llengua);
QString desactivada(Llengua llengua);
} // namespace Textos
