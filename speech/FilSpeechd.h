#pragma once

#include "ConnexioSpeechd.h"
#include "Veu.h"

#include <QList>
#include <QEventLoop>
#include <QObject>
#include <QProcessEnvironment>

#include <functional>
#include <memory>
#include <optional>

// The desktop's speech service on a thread of its own. Any call on the
// service's client library may wait for the service without end
// (speech-dispatcher stops answering when its audio server is gone), so the
// window thread never makes one: it hands requests to this thread and gets
// the answers back as queued calls. The thread connects and lists the
// voices of the program's two languages as soon as it starts.
//
// A request that the service has not answered within kRespostaMaxima makes
// the service count as hung: what is asked of it meanwhile is dropped. When
// the object goes, the thread is told to close and left to itself if it is
// stuck in the library, so closing never waits for the service.
class FilSpeechd
{
public:
    using Avis = ConnexioSpeechd::Avis;
    // Called on the window thread: the number of a message handed over (-1
    // when the service refused it), and the service's notices.
    using ReceptorNumero = std::function<void(int missatge)>;
    using ReceptorAvis = std::function<void(int missatge, Avis avis)>;

    static constexpr int kRespostaMaxima = 1000;

    explicit FilSpeechd(QProcessEnvironment entorn);
    ~FilSpeechd();
    FilSpeechd(const FilSpeechd &) = delete;
    FilSpeechd &operator=(const FilSpeechd &) = delete;

    // The Catalan and Spanish voices once the listing has ended, waiting for
    // it at most `ms` milliseconds of real time while the window system goes
    // on; none when there is no service or it did not answer in time.
    std::optional<QList<Veu>> EsperarVeus(int ms);

    // Requests, in order; each returns at once.
    void TriarVeu(const Veu &veu);
    void Dir(const QString &text);
    void Cancellar();

    // Whether a request has waited for the service longer than kRespostaMaxima.
    bool Penjat() const;

    // Where numbers and notices go, on the window thread. Set before the
    // first Dir.
    void setReceptors(ReceptorNumero numero, ReceptorAvis avis);

    // The object on the window thread that the thread's calls are queued
    // to; it goes with this one.
    QObject *Receptor() { return &m_receptor; }

    // How long the program waits for the voice list at most, in real
    // milliseconds (tests that list a real service under the sanitizers set
    // it longer).
    static int EsperaVeus();
    static void setEsperaVeus(int ms);

private:
    struct Estat;

    static void Executar(std::shared_ptr<Estat> estat);
    void Demanar(std::function<void(ConnexioSpeechd &, Estat &)> peticio);

    std::shared_ptr<Estat> m_estat;
    // Receives the thread's queued calls; they die with it.
    QObject m_receptor;
    ReceptorNumero m_numero;
    ReceptorAvis m_avis;
    // The wait for the voice list, while it runs.
    QEventLoop *m_despertar = nullptr;
};
