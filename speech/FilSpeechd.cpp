#include "FilSpeechd.h"

#include "ErrorVeu.h"
#include "LlistaSsip.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

namespace
{

// Requests waiting beyond this are old news: the oldest is dropped.
constexpr std::size_t kPeticionsMaximes = 16;
// How long the object waits for the thread to close before leaving it.
constexpr auto kEsperaTancar = std::chrono::milliseconds(300);
// What the thread itself allows the listing, whoever waits for it.
constexpr int kLlistaMaxima = 10000;

std::atomic<int> &EsperaMaxima()
{
    static std::atomic<int> ms{700};
    return ms;
}

// The voices at a local socket, within a bound: a service that is there
// but does not answer is found out here, before the client library is given
// a chance to wait for it without end.
QList<Veu> LlistarAlSocol(const QByteArray &socol)
{
    const auto veus = LlistaSsip::Veus(socol, kLlistaMaxima);
    if (!veus)
        throw ErrorVeu("the speech service does not answer");
    return ConnexioSpeechd::VeusDelPrograma(*veus);
}

qint64 Ara()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

struct FilSpeechd::Estat {
    using Peticio = std::function<void(ConnexioSpeechd &, Estat &)>;

    QProcessEnvironment entorn;
    std::mutex mutex;
    std::condition_variable condicio;
    std::deque<Peticio> peticions;
    bool tancar = false;
    bool acabat = false;

    bool llistat = false;
    std::optional<QList<Veu>> veus;

    // Since when (steady milliseconds) the thread waits for the service; 0
    // while it waits for work.
    std::atomic<qint64> ocupatDesDe{0};

    // The object the thread answers to; null once it has gone.
    FilSpeechd *propietari = nullptr;
    // The last message number handed back, and the notices that came in
    // before their number: the window thread hears of a message's number
    // first, then of its notices.
    int ultimNumero = -1;
    std::multimap<int, Avis> avisosAvancats;

    // Runs `crida` on the window thread, on the owner, if it is still there.
    // The caller holds the mutex.
    void Publicar(std::function<void(FilSpeechd &)> crida)
    {
        if (!propietari)
            return;
        FilSpeechd *fil = propietari;
        QMetaObject::invokeMethod(
            &fil->m_receptor, [fil, crida = std::move(crida)] { crida(*fil); },
            Qt::QueuedConnection);
    }

    void PublicarAvis(int missatge, Avis avis)
    {
        Publicar([missatge, avis](FilSpeechd &fil) {
            if (fil.m_avis)
                fil.m_avis(missatge, avis);
        });
    }
};

FilSpeechd::FilSpeechd(QProcessEnvironment entorn) : m_estat(std::make_shared<Estat>())
{
    m_estat->entorn = std::move(entorn);
    m_estat->propietari = this;
    std::thread(Executar, m_estat).detach();
}

FilSpeechd::~FilSpeechd()
{
    const bool penjat = Penjat();
    std::unique_lock bloqueig(m_estat->mutex);
    m_estat->propietari = nullptr;
    m_estat->tancar = true;
    m_estat->peticions.clear();
    m_estat->condicio.notify_all();
    // A thread stuck in the client library is left to itself: it holds its
    // own share of the state and ends, if ever, on its own.
    if (!penjat)
        m_estat->condicio.wait_for(bloqueig, kEsperaTancar, [this] { return m_estat->acabat; });
}

int FilSpeechd::EsperaVeus()
{
    return EsperaMaxima();
}

void FilSpeechd::setEsperaVeus(int ms)
{
    EsperaMaxima() = ms;
}

void FilSpeechd::Executar(std::shared_ptr<Estat> estat)
{
    std::unique_ptr<ConnexioSpeechd> connexio;
    estat->ocupatDesDe = Ara();
    try {
        const QByteArray socol = ConnexioSpeechd::SocolLocal(estat->entorn);
        if (!socol.isEmpty() && QFileInfo::exists(QFile::decodeName(socol)))
            estat->veus = LlistarAlSocol(socol);
        // May start the service, when none runs yet.
        connexio = std::make_unique<ConnexioSpeechd>(estat->entorn);
        if (!estat->veus)
            estat->veus = socol.isEmpty() ? connexio->Veus() : LlistarAlSocol(socol);
        connexio->setReceptor([estat = estat.get()](int missatge, Avis avis) {
            const std::lock_guard bloqueig(estat->mutex);
            if (missatge > estat->ultimNumero)
                estat->avisosAvancats.emplace(missatge, avis);
            else
                estat->PublicarAvis(missatge, avis);
        });
    } catch (...) {
        estat->veus.reset();
        connexio.reset();
    }
    estat->ocupatDesDe = 0;

    std::unique_lock bloqueig(estat->mutex);
    estat->llistat = true;
    estat->Publicar([](FilSpeechd &fil) {
        if (fil.m_despertar)
            fil.m_despertar->quit();
    });
    while (connexio && !estat->tancar) {
        estat->condicio.wait(bloqueig, [&] { return estat->tancar || !estat->peticions.empty(); });
        if (estat->tancar)
            break;
        Estat::Peticio peticio = std::move(estat->peticions.front());
        estat->peticions.pop_front();
        bloqueig.unlock();
        estat->ocupatDesDe = Ara();
        try {
            peticio(*connexio, *estat);
        } catch (...) {
        }
        estat->ocupatDesDe = 0;
        bloqueig.lock();
    }
    bloqueig.unlock();
    // Closing joins the library's own thread: no notice comes after it.
    connexio.reset();
    bloqueig.lock();
    estat->acabat = true;
    estat->condicio.notify_all();
}

std::optional<QList<Veu>> FilSpeechd::EsperarVeus(int ms)
{
    {
        const std::lock_guard bloqueig(m_estat->mutex);
        if (m_estat->llistat)
            return m_estat->veus;
    }
    QEventLoop bucle;
    QTimer::singleShot(ms, &bucle, &QEventLoop::quit);
    m_despertar = &bucle;
    bucle.exec();
    m_despertar = nullptr;
    const std::lock_guard bloqueig(m_estat->mutex);
    if (!m_estat->llistat)
        return std::nullopt;
    return m_estat->veus;
}

bool FilSpeechd::Penjat() const
{
    const qint64 des = m_estat->ocupatDesDe;
    return des != 0 && Ara() - des > kRespostaMaxima;
}

void FilSpeechd::setReceptors(ReceptorNumero numero, ReceptorAvis avis)
{
    m_numero = std::move(numero);
    m_avis = std::move(avis);
}

void FilSpeechd::Demanar(std::function<void(ConnexioSpeechd &, Estat &)> peticio)
{
    if (Penjat())
        return;
    const std::lock_guard bloqueig(m_estat->mutex);
    if (m_estat->peticions.size() >= kPeticionsMaximes)
        m_estat->peticions.pop_front();
    m_estat->peticions.push_back(std::move(peticio));
    m_estat->condicio.notify_all();
}

void FilSpeechd::TriarVeu(const Veu &veu)
{
    Demanar([veu](ConnexioSpeechd &connexio, Estat &) { connexio.TriarVeu(veu); });
}

void FilSpeechd::Dir(const QString &text)
{
    if (Penjat()) {
        // Dropped: the voice object hears of it as of a refused message.
        QMetaObject::invokeMethod(
            &m_receptor,
            [this] {
                if (m_numero)
                    m_numero(-1);
            },
            Qt::QueuedConnection);
        return;
    }
    Demanar([text](ConnexioSpeechd &connexio, Estat &estat) {
        const int numero = connexio.Dir(text);
        const std::lock_guard bloqueig(estat.mutex);
        estat.Publicar([numero](FilSpeechd &fil) {
            if (fil.m_numero)
                fil.m_numero(numero);
        });
        if (numero < 0)
            return;
        estat.ultimNumero = std::max(estat.ultimNumero, numero);
        // Notices that came before the number follow it, in their order.
        for (auto it = estat.avisosAvancats.begin(); it != estat.avisosAvancats.end();) {
            if (it->first > estat.ultimNumero) {
                ++it;
                continue;
            }
            estat.PublicarAvis(it->first, it->second);
            it = estat.avisosAvancats.erase(it);
        }
    });
}

void FilSpeechd::Cancellar()
{
    Demanar([](ConnexioSpeechd &connexio, Estat &) { connexio.Cancellar(); });
}
