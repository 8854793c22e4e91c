#include "PreparacioSpeechd.h"

#include "FilSpeechd.h"
#include "RegistreVeus.h"
#include "VeuSpeechd.h"

struct PreparacioSpeechd::Estat {
    QProcessEnvironment entorn;
    // Until the first object takes it over.
    std::unique_ptr<FilSpeechd> fil;
};

PreparacioSpeechd::PreparacioSpeechd(QProcessEnvironment entorn)
    : m_estat(std::make_shared<Estat>())
{
    m_estat->entorn = std::move(entorn);
    m_estat->fil = std::make_unique<FilSpeechd>(m_estat->entorn);
    RegistreVeus::Registrar(
        QStringLiteral("Speech.SpVoice"),
        [estat = std::weak_ptr<Estat>(m_estat)]() -> std::unique_ptr<ObjecteVeu> {
            const std::shared_ptr<Estat> viu = estat.lock();
            if (!viu)
                return VeuSpeechd::Crear(QProcessEnvironment::systemEnvironment());
            if (!viu->fil)
                return VeuSpeechd::Crear(viu->entorn);
            // Throws when the service did not answer in time: no object.
            return VeuSpeechd::Crear(std::move(viu->fil));
        });
}

// A thread not taken over closes by itself, without being waited for.
PreparacioSpeechd::~PreparacioSpeechd() = default;
