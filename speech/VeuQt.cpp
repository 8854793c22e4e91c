#include "VeuQt.h"

#include "ErrorVeu.h"
#include "Esperar.h"

#include <QPointer>

namespace
{

constexpr int kIntervalEspera = 50;

} // namespace

VeuQt::VeuQt(const QString &motor) : m_cua([this](const QString &text) { m_tts->say(text); })
{
    if (!QTextToSpeech::availableEngines().contains(motor))
        throw ErrorVeu("speech engine not installed");
    m_tts = std::make_unique<QTextToSpeech>(motor);
    ComprovarEstat();
    QObject::connect(m_tts.get(), &QTextToSpeech::stateChanged, m_tts.get(),
                     [this](QTextToSpeech::State estat) { m_cua.EstatCanviat(estat); });
}

VeuQt::~VeuQt()
{
    // No queued text may reach an engine that is going away.
    QObject::disconnect(m_tts.get(), nullptr, nullptr, nullptr);
}

void VeuQt::ComprovarEstat() const
{
    if (m_tts->state() == QTextToSpeech::Error)
        throw ErrorVeu("speech engine in error");
}

QString VeuQt::Descripcio(const QVoice &veu, const QLocale &locale)
{
    return QStringLiteral("%1 - %2 (%3)")
        .arg(veu.name(), QLocale::languageToString(locale.language()),
             QLocale::territoryToString(locale.territory()));
}

std::unique_ptr<VeuQt> VeuQt::CrearAmbLlengues()
{
    for (const QString &motor : QTextToSpeech::availableEngines()) {
        if (motor == QLatin1String("speechd") || motor == QLatin1String("flite"))
            continue;
        try {
            auto objecte = std::make_unique<VeuQt>(motor);
            if (objecte->GetVoices().Count() > 0)
                return objecte;
        } catch (const ErrorVeu &) {
        }
    }
    throw ErrorVeu("no speech engine speaks Catalan or Spanish");
}

LlistaVeus VeuQt::GetVoices()
{
    ComprovarEstat();
    // The engine lists only the voices of its current locale: walk those of
    // Catalan, then of Spanish, then put back the locale and voice in use.
    const QLocale localeActual = m_tts->locale();
    const QVoice veuActual = m_tts->voice();
    const QList<QLocale> locales = m_tts->availableLocales();
    QList<Veu> veus;
    for (const QLocale::Language llengua : {QLocale::Catalan, QLocale::Spanish}) {
        for (const QLocale &locale : locales) {
            if (locale.language() != llengua)
                continue;
            m_tts->setLocale(locale);
            for (const QVoice &veu : m_tts->availableVoices())
                veus.append(Veu(Descripcio(veu, locale), veu.name(), locale));
        }
    }
    m_tts->setLocale(localeActual);
    m_tts->setVoice(veuActual);
    return LlistaVeus(std::move(veus));
}

void VeuQt::setVoice(const Veu &veu)
{
    ComprovarEstat();
    const QLocale localeActual = m_tts->locale();
    m_tts->setLocale(veu.locale());
    for (const QVoice &candidata : m_tts->availableVoices()) {
        if (candidata.name() == veu.nom()) {
            m_tts->setVoice(candidata);
            return;
        }
    }
    m_tts->setLocale(localeActual);
    throw ErrorVeu("voice no longer installed");
}

void VeuQt::Speak(const QString &text, int flags)
{
    ComprovarEstat();
    if (flags & kBuidarAbans)
        m_cua.DirAra(text);
    else
        m_cua.Afegir(text);
    if (flags & kAsincron)
        return;
    // Synchronous speech: wait for the queue to run dry, letting the window
    // system go on meanwhile. The object may go away during the wait.
    QPointer<QTextToSpeech> tts = m_tts.get();
    while (tts && m_cua.Ocupada() && tts->state() != QTextToSpeech::Error)
        Esperar(kIntervalEspera);
}

void VeuQt::Skip(const QString &tipus, int nombre)
{
    if (m_cua.SaltarFrases(tipus, nombre))
        m_tts->stop();
}
