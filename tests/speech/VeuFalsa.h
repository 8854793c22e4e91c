#pragma once

#include "ErrorVeu.h"
#include "ObjecteVeu.h"
#include "RegistreVeus.h"

#include <QStringList>

#include <memory>

// A voice object for tests: reports the given voices, can be told to fail at
// a given call, and writes every call it receives to a shared log.
struct ConfiguracioVeuFalsa {
    // "description", or "description|language code" for a voice that
    // speaks a known language ("Veu|ca").
    QStringList descripcions;
    bool fallarEnCrear = false;
    int fallarEnGetVoices = -1; // which call of GetVoices throws (0 = the first)
    bool fallarEnSpeak = false;
    int preguntesLlista = 0; // GetVoices calls so far, of every object of the class
    QStringList registre;

    // The texts spoken, each followed by its flags.
    QStringList dit() const
    {
        QStringList textos;
        for (const QString &crida : registre)
            if (crida.startsWith(QLatin1String("Speak ")))
                textos << crida.mid(6);
        return textos;
    }
};

class VeuFalsa : public ObjecteVeu
{
public:
    explicit VeuFalsa(std::shared_ptr<ConfiguracioVeuFalsa> c) : m_c(std::move(c)) {}

    LlistaVeus GetVoices() override
    {
        ++m_c->preguntesLlista;
        if (m_crides++ == m_c->fallarEnGetVoices)
            throw ErrorVeu("GetVoices failed");
        QList<Veu> veus;
        for (const QString &d : m_c->descripcions) {
            const QString descripcio = d.section(QLatin1Char('|'), 0, 0);
            const QString llengua = d.section(QLatin1Char('|'), 1);
            veus.append(Veu(descripcio, descripcio,
                            llengua.isEmpty() ? QLocale::c() : QLocale(llengua)));
        }
        return LlistaVeus(veus);
    }
    void setVoice(const Veu &veu) override
    {
        m_c->registre << QStringLiteral("Voice %1").arg(veu.GetDescription());
    }
    void Speak(const QString &text, int flags) override
    {
        if (m_c->fallarEnSpeak)
            throw std::runtime_error("Speak failed");
        m_c->registre << QStringLiteral("Speak %1 %2").arg(text).arg(flags);
    }
    void Skip(const QString &tipus, int nombre) override
    {
        m_c->registre << QStringLiteral("Skip %1 %2").arg(tipus).arg(nombre);
    }

    // Binds a class name to a fake whose configuration the test keeps.
    static std::shared_ptr<ConfiguracioVeuFalsa> Registrar(const QString &classe,
                                                           const QStringList &descripcions)
    {
        auto c = std::make_shared<ConfiguracioVeuFalsa>();
        c->descripcions = descripcions;
        RegistreVeus::Registrar(classe, [c]() -> std::unique_ptr<ObjecteVeu> {
            if (c->fallarEnCrear)
                throw ErrorVeu("no such class");
            return std::make_unique<VeuFalsa>(c);
        });
        return c;
    }

    // The voices of a Linux desktop, with no real service behind them: the
    // speech service's class gives fakes with these voices, and the Windows
    // class cannot be created. Returns the speech service's configuration.
    static std::shared_ptr<ConfiguracioVeuFalsa> RegistrarEscriptori(const QStringList &descripcions)
    {
        RegistreVeus::Restablir();
        auto speechd = Registrar(QStringLiteral("Speech.SpVoice"), descripcions);
        Registrar(QStringLiteral("SAPI.SpVoice"), {})->fallarEnCrear = true;
        return speechd;
    }

private:
    std::shared_ptr<ConfiguracioVeuFalsa> m_c;
    int m_crides = 0;
};
