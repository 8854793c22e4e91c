#pragma once

#include "ObjecteVeu.h"

#include <QString>

#include <functional>
#include <memory>

// Voice object classes by name. "Speech.SpVoice" starts out bound to the
// desktop's speech service, "SAPI.SpVoice" to a Qt speech engine with
// Catalan or Spanish voices, where there is one; tests bind their own
// classes.
class RegistreVeus
{
public:
    // Makes an object or throws (ErrorVeu when the engine is missing or in
    // its error state).
    using Fabrica = std::function<std::unique_ptr<ObjecteVeu>()>;

    static void Registrar(const QString &nomClasse, Fabrica fabrica);
    // Back to the desktop engines for both names, all other names gone.
    static void Restablir();
    // Throws ErrorVeu for an unknown class; the factory may throw too.
    static std::unique_ptr<ObjecteVeu> Crear(const QString &nomClasse);
};
