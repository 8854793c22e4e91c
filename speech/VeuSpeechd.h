#pragma once

#include "ConnexioSpeechd.h"
#include "CuaParla.h"
#include "ObjecteVeu.h"

#include <QObject>

#include <memory>

// A voice object over the desktop's speech service, straight through its
// client library. The voice list is taken once, when the object is made,
// and kept: voices installed later appear at the next start.
class VeuSpeechd : public ObjecteVeu
{
public:
    // Takes over an open connection and the voice list it reported.
    VeuSpeechd(std::unique_ptr<ConnexioSpeechd> connexio, QList<Veu> veus);
    ~VeuSpeechd() override;

    // Connects and lists the voices; throws ErrorVeu when no service can
    // be reached.
    static std::unique_ptr<VeuSpeechd> Crear(const QProcessEnvironment &entorn);

    LlistaVeus GetVoices() override;
    void setVoice(const Veu &veu) override;
    void Speak(const QString &text, int flags) override;
    void Skip(const QString &tipus, int nombre) override;
    bool Parlant() const override { return m_cua.Ocupada(); }

private:
    void Dir(const QString &text);
    void Avis(int missatge, ConnexioSpeechd::Avis avis);

    QList<Veu> m_veus;
    CuaParla m_cua;
    // The message being said (-1: none); notices of others are old ones.
    int m_missatge = -1;
    // Notices arrive on the client library's thread and are handed to the
    // thread of this object through this receiver's event queue.
    QObject m_receptor;
    // Last: it is closed first, so no notice outlives the receiver.
    std::unique_ptr<ConnexioSpeechd> m_connexio;
};
