#include "VeuSpeechd.h"

#include "ErrorVeu.h"
#include "Esperar.h"

#include <QDeadlineTimer>
#include <QPointer>

#include <algorithm>

namespace
{

constexpr int kIntervalEspera = 50;
// A synchronous Speak waits at most this long, in real milliseconds, for the
// service to say everything.
constexpr int kEsperaSincronaMaxima = 30000;

} // namespace

VeuSpeechd::VeuSpeechd(std::unique_ptr<FilSpeechd> fil, QList<Veu> veus)
    : m_veus(std::move(veus)), m_cua([this](const QString &text) { Dir(text); }),
      m_fil(std::move(fil))
{
    m_fil->setReceptors([this](int missatge) { Numero(missatge); },
                        [this](int missatge, FilSpeechd::Avis avis) { Avis(missatge, avis); });
}

VeuSpeechd::~VeuSpeechd() = default;

std::unique_ptr<VeuSpeechd> VeuSpeechd::Crear(const QProcessEnvironment &entorn)
{
    return Crear(std::make_unique<FilSpeechd>(entorn));
}

std::unique_ptr<VeuSpeechd> VeuSpeechd::Crear(std::unique_ptr<FilSpeechd> fil)
{
    std::optional<QList<Veu>> veus = fil->EsperarVeus(FilSpeechd::EsperaVeus());
    if (!veus)
        throw ErrorVeu("no speech service answered");
    return std::make_unique<VeuSpeechd>(std::move(fil), std::move(*veus));
}

LlistaVeus VeuSpeechd::GetVoices()
{
    return LlistaVeus(m_veus);
}

void VeuSpeechd::setVoice(const Veu &veu)
{
    // The service takes any name and falls back on its default voice: only
    // a voice of the list is worth setting.
    const bool llistada = std::any_of(m_veus.cbegin(), m_veus.cend(), [&](const Veu &v) {
        return v.nom() == veu.nom() && v.motor() == veu.motor();
    });
    if (!llistada)
        throw ErrorVeu("no such voice");
    m_fil->TriarVeu(veu);
}

void VeuSpeechd::Dir(const QString &text)
{
    m_missatge = -1;
    if (text.trimmed().isEmpty()) {
        // Nothing to wait for: the next text follows, as after an end.
        Numero(-1);
        return;
    }
    m_fil->Dir(text);
}

void VeuSpeechd::Numero(int missatge)
{
    if (missatge >= 0) {
        m_missatge = missatge;
        return;
    }
    // Refused or dropped: the next text follows on its own turn, never
    // inside the call that handed this one over.
    QMetaObject::invokeMethod(
        m_fil.get()->Receptor(), [this] { m_cua.EstatCanviat(QTextToSpeech::Ready); },
        Qt::QueuedConnection);
}

void VeuSpeechd::Avis(int missatge, FilSpeechd::Avis avis)
{
    if (missatge != m_missatge)
        return;
    if (avis == FilSpeechd::Avis::Comencat) {
        m_cua.EstatCanviat(QTextToSpeech::Speaking);
        return;
    }
    m_missatge = -1;
    m_cua.EstatCanviat(QTextToSpeech::Ready);
}

void VeuSpeechd::Speak(const QString &text, int flags)
{
    if (m_fil->Penjat()) {
        // The service does not answer: nothing waits for it.
        m_cua.EstatCanviat(QTextToSpeech::Error);
        return;
    }
    if (flags & kBuidarAbans) {
        m_fil->Cancellar();
        m_cua.DirAra(text);
    } else if (m_cua.Pendents() < kPendentsMaxims) {
        m_cua.Afegir(text);
    }
    if (flags & kAsincron)
        return;
    // Synchronous speech: wait for the queue to run dry, letting the window
    // system go on meanwhile, within a bound. The object may go away during
    // the wait.
    const QDeadlineTimer limit(kEsperaSincronaMaxima);
    QPointer<QObject> viu = m_fil->Receptor();
    while (viu && m_cua.Ocupada() && !limit.hasExpired() && !m_fil->Penjat())
        Esperar(kIntervalEspera);
}

void VeuSpeechd::Skip(const QString &tipus, int nombre)
{
    if (m_cua.SaltarFrases(tipus, nombre))
        m_fil->Cancellar();
}
