#pragma once

#include "CuaParla.h"
#include "ObjecteVeu.h"

#include <QTextToSpeech>

#include <memory>

// A voice object over one engine of Qt TextToSpeech, with the voices of
// that engine that speak Catalan or Spanish, Catalan first.
class VeuQt : public ObjecteVeu
{
public:
    // Throws ErrorVeu when the engine is not installed or is in its error
    // state.
    explicit VeuQt(const QString &motor);

    // An object over the first engine with Catalan or Spanish voices. The
    // desktop's speech service has a voice object of its own, and flite
    // speaks only English (loading it costs megabytes for nothing): neither
    // is tried. Throws ErrorVeu when no engine serves.
    static std::unique_ptr<VeuQt> CrearAmbLlengues();
    ~VeuQt() override;

    LlistaVeus GetVoices() override;
    void setVoice(const Veu &veu) override;
    void Speak(const QString &text, int flags) override;
    void Skip(const QString &tipus, int nombre) override;
    bool Parlant() const override { return m_cua.Ocupada(); }

private:
    static QString Descripcio(const QVoice &veu, const QLocale &locale);
    void ComprovarEstat() const;

    std::unique_ptr<QTextToSpeech> m_tts;
    CuaParla m_cua;
};
