#pragma once

#include "CuaParla.h"
#include "FilSpeechd.h"
#include "ObjecteVeu.h"

#include <memory>

// A voice object over the desktop's speech service. The voice list is taken
// once, when the object is made, and kept: voices installed later appear at
// the next start. Everything said to the service goes through its thread
// (FilSpeechd), so no member waits for the service; while the service does
// not answer, what is said through this voice is dropped.
class VeuSpeechd : public ObjecteVeu
{
public:
    // Texts waiting behind the one being said, at most; more are dropped.
    static constexpr int kPendentsMaxims = 8;

    // Takes over the service's thread and the voice list it reported.
    VeuSpeechd(std::unique_ptr<FilSpeechd> fil, QList<Veu> veus);
    ~VeuSpeechd() override;

    // Connects and lists the voices on a thread of its own, waiting for the
    // list at most FilSpeechd::EsperaVeus(); throws ErrorVeu when no service
    // answered by then.
    static std::unique_ptr<VeuSpeechd> Crear(const QProcessEnvironment &entorn);
    static std::unique_ptr<VeuSpeechd> Crear(std::unique_ptr<FilSpeechd> fil);

    LlistaVeus GetVoices() override;
    void setVoice(const Veu &veu) override;
    void Speak(const QString &text, int flags) override;
    void Skip(const QString &tipus, int nombre) override;
    // Not while the service is hung: nothing it was given will end.
    bool Parlant() const override { return m_cua.Ocupada() && !m_fil->Penjat(); }

private:
    void Dir(const QString &text);
    void Numero(int missatge);
    void Avis(int missatge, FilSpeechd::Avis avis);

    QList<Veu> m_veus;
    CuaParla m_cua;
    // The message being said (-1: none, or its number is still to come);
    // notices of others are old ones.
    int m_missatge = -1;
    // Last: it goes first, and with it every call still queued for this object.
    std::unique_ptr<FilSpeechd> m_fil;
};
