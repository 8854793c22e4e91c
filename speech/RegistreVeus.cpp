#include "RegistreVeus.h"

#include "ErrorVeu.h"
#include "VeuQt.h"
#include "VeuSpeechd.h"

#include <QHash>

namespace
{

QHash<QString, RegistreVeus::Fabrica> Inicials()
{
    return {
        {QStringLiteral("Speech.SpVoice"),
         []() -> std::unique_ptr<ObjecteVeu> {
             return VeuSpeechd::Crear(QProcessEnvironment::systemEnvironment());
         }},
        {QStringLiteral("SAPI.SpVoice"),
         []() -> std::unique_ptr<ObjecteVeu> { return VeuQt::CrearAmbLlengues(); }},
    };
}

QHash<QString, RegistreVeus::Fabrica> &Classes()
{
    static QHash<QString, RegistreVeus::Fabrica> classes = Inicials();
    return classes;
}

} // namespace

void RegistreVeus::Registrar(const QString &nomClasse, Fabrica fabrica)
{
    Classes().insert(nomClasse, std::move(fabrica));
}

void RegistreVeus::Restablir()
{
    Classes() = Inicials();
}

std::unique_ptr<ObjecteVeu> RegistreVeus::Crear(const QString &nomClasse)
{
    const auto fabrica = Classes().value(nomClasse);
    if (!fabrica)
        throw ErrorVeu("no such voice class");
    auto objecte = fabrica();
    if (!objecte)
        throw ErrorVeu("the voice class made no object");
    return objecte;
}
