#pragma once

#include "ConnexioSpeechd.h"

#include <QProcessEnvironment>

#include <future>
#include <memory>

class ObjecteVeu;

// Connects to the desktop's speech service and takes its voice list on a
// thread of its own, so that the listing, which takes seconds with
// thousands of voices, overlaps the building of the windows. While it
// lives, "Speech.SpVoice" objects are made from its result: the first one
// waits for it if needed and takes it over, later ones list afresh.
class PreparacioSpeechd
{
public:
    explicit PreparacioSpeechd(
        QProcessEnvironment entorn = QProcessEnvironment::systemEnvironment());
    ~PreparacioSpeechd();
    PreparacioSpeechd(const PreparacioSpeechd &) = delete;
    PreparacioSpeechd &operator=(const PreparacioSpeechd &) = delete;

private:
    struct Preparat {
        std::unique_ptr<ConnexioSpeechd> connexio;
        QList<Veu> veus;
    };
    struct Estat;

    static Preparat Preparar(const QProcessEnvironment &entorn);
    static std::unique_ptr<ObjecteVeu> Crear(const std::weak_ptr<Estat> &estat);

    std::shared_ptr<Estat> m_estat;
};
