#include "VeuSpeechd.h"

#include "ErrorVeu.h"
#include "Esperar.h"

#include <QPointer>

#include <algorithm>

namespace
{

constexpr int kIntervalEspera = 50;

} // namespace

VeuSpeechd::VeuSpeechd(std::unique_ptr<ConnexioSpeechd> connexio, QList<Veu> veus)
    : m_veus(std::move(veus)), m_cua([this](const QString &text) { Dir(text); }),
      m_connexio(std::move(connexio))
{
    m_connexio->setReceptor(
        [receptor = &m_receptor, this](int missatge, ConnexioSpeechd::Avis avis) {
            QMetaObject::invokeMethod(
                receptor, [this, missatge, avis] { Avis(missatge, avis); }, Qt::QueuedConnection);
        });
}

VeuSpeechd::~VeuSpeechd() = default;

std::unique_ptr<VeuSpeechd> VeuSpeechd::Crear(const QProcessEnvironment &entorn)
{
    auto connexio = std::make_unique<ConnexioSpeechd>(entorn);
    QList<Veu> veus = connexio->Veus();
    return std::make_unique<VeuSpeechd>(std::move(connexio), std::move(veus));
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
    m_connexio->TriarVeu(veu);
}

void VeuSpeechd::Dir(const QString &text)
{
    m_missatge = text.trimmed().isEmpty() ? -1 : m_connexio->Dir(text);
    if (m_missatge < 0) {
        // Nothing to wait for: the next text follows, as after an end.
        QMetaObject::invokeMethod(
            &m_receptor, [this] { m_cua.EstatCanviat(QTextToSpeech::Ready); },
            Qt::QueuedConnection);
    }
}

void VeuSpeechd::Avis(int missatge, ConnexioSpeechd::Avis avis)
{
    if (missatge != m_missatge)
        return;
    if (avis == ConnexioSpeechd::Avis::Comencat) {
        m_cua.EstatCanviat(QTextToSpeech::Speaking);
        return;
    }
    m_missatge = -1;
    m_cua.EstatCanviat(QTextToSpeech::Ready);
}

void VeuSpeechd::Speak(const QString &text, int flags)
{
    if (flags & kBuidarAbans) {
        m_connexio->Cancellar();
        m_cua.DirAra(text);
    } else {
        m_cua.Afegir(text);
    }
    if (flags & kAsincron)
        return;
    // Synchronous speech: wait for the queue to run dry, letting the window
    // system go on meanwhile. The object may go away during the wait.
    QPointer<QObject> viu = &m_receptor;
    while (viu && m_cua.Ocupada())
        Esperar(kIntervalEspera);
}

void VeuSpeechd::Skip(const QString &tipus, int nombre)
{
    if (m_cua.SaltarFrases(tipus, nombre))
        m_connexio->Cancellar();
}
