#pragma once

#include "LlistaSsip.h"
#include "Veu.h"

#include <QList>
#include <QProcessEnvironment>
#include <QString>

#include <functional>
#include <memory>

// One connection to the desktop's speech service (speech-dispatcher)
// through its client library. Every call may wait for the service without
// end: only the service's own thread (FilSpeechd) makes them.
class ConnexioSpeechd
{
public:
    // What the service reports about a message: it began, ended or was cut off.
    enum class Avis { Comencat, Acabat, Cancellat };
    // Called on the client library's own thread.
    using Receptor = std::function<void(int missatge, Avis avis)>;

    // Throws ErrorVeu when no service can be reached.
    explicit ConnexioSpeechd(const QProcessEnvironment &entorn);
    ~ConnexioSpeechd();
    ConnexioSpeechd(const ConnexioSpeechd &) = delete;
    ConnexioSpeechd &operator=(const ConnexioSpeechd &) = delete;

    // The voices of the program's languages, asked through the client
    // library (for a service at a network address; see LlistaSsip for the
    // local socket); the service's default module is in use again afterwards.
    QList<Veu> Veus();
    // Throws ErrorVeu when the service refuses the voice's module or name.
    void TriarVeu(const Veu &veu);
    // Hands the text over; answers the message's number, -1 on failure.
    int Dir(const QString &text);
    // Cuts off what this connection is saying and drops what it queued.
    void Cancellar();

    // From now on the begin, end and cancel notices of this connection's
    // messages go to `receptor`, on the client library's thread.
    void setReceptor(Receptor receptor);

    // "name - Language (Territory)", the language from the voice's code.
    static QString Descripcio(const QString &nom, const QLocale &locale);

    // The voices that speak Catalan or Spanish, the program's languages:
    // Catalan first, each language in the service's order. A desktop with
    // espeak-ng reports thirteen thousand voices in every language.
    static QList<Veu> VeusDelPrograma(const QList<LlistaSsip::VeuSsip> &veus);

    // The local socket the client library connects to with this
    // environment; empty for a network address.
    static QByteArray SocolLocal(const QProcessEnvironment &entorn);

    // Hands a notice of client `client` to its connection, if it is still open.
    static void Avisar(int client, int missatge, Avis avis);

private:
    // The client library's connection (its type has no name to declare).
    struct Client;

    std::unique_ptr<Client> m_client;
    int m_numero = -1;
    Receptor m_receptor;
};
