#include "PreparacioSpeechd.h"

#include "RegistreVeus.h"
#include "VeuSpeechd.h"

#include <mutex>

struct PreparacioSpeechd::Estat {
    QProcessEnvironment entorn;
    std::mutex mutex;
    // Valid until the first object takes the result over.
    std::future<Preparat> resultat;
};

PreparacioSpeechd::PreparacioSpeechd(QProcessEnvironment entorn)
    : m_estat(std::make_shared<Estat>())
{
    m_estat->entorn = std::move(entorn);
    m_estat->resultat = std::async(std::launch::async, Preparar, m_estat->entorn);
    RegistreVeus::Registrar(QStringLiteral("Speech.SpVoice"),
                            [estat = std::weak_ptr<Estat>(m_estat)] { return Crear(estat); });
}

// Waits for the thread when the result was not taken. Objects made later
// list for themselves.
PreparacioSpeechd::~PreparacioSpeechd() = default;

PreparacioSpeechd::Preparat PreparacioSpeechd::Preparar(const QProcessEnvironment &entorn)
{
    Preparat preparat;
    preparat.connexio = std::make_unique<ConnexioSpeechd>(entorn);
    preparat.veus = preparat.connexio->Veus();
    return preparat;
}

std::unique_ptr<ObjecteVeu> PreparacioSpeechd::Crear(const std::weak_ptr<Estat> &estat)
{
    const std::shared_ptr<Estat> viu = estat.lock();
    if (!viu)
        return VeuSpeechd::Crear(QProcessEnvironment::systemEnvironment());
    std::future<Preparat> resultat;
    {
        const std::lock_guard bloqueig(viu->mutex);
        resultat = std::move(viu->resultat);
    }
    if (!resultat.valid())
        return VeuSpeechd::Crear(viu->entorn);
    // Throws what the preparation threw: no service is no object.
    Preparat preparat = resultat.get();
    return std::make_unique<VeuSpeechd>(std::move(preparat.connexio), std::move(preparat.veus));
}
