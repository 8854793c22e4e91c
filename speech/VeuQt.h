#pragma once

#include "CuaParla.h"
#include "ObjecteVeu.h"

#include <QTextToSpeech>

#include <memory>

// A voice object over one engine of Qt TextToSpeech ("flite").
class VeuQt : public ObjecteVeu
{
public:
    // Throws ErrorVeu when the engine is not installed or is in its error
    // state.
    explicit VeuQt(const QString &motor);
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
