#pragma once

#include "FitxerConfiguracio.h"

// Runs a use of a speech engine so that any failure ends it silently. A
// settings write that fails is not the engine's: it goes on to the handler,
// which reports it.
template <typename F> void Protegir(F &&us)
{
    try {
        us();
    } catch (const ErrorEscriptura &) {
        throw;
    } catch (...) {
    }
}
