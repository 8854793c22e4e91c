#pragma once

#include "LlistaSsip.h"
#include "Veu.h"

#include <QList>
#include <QProcessEnvironment>
#include <QString>

#include <functional>
#include <memory>

// One connection to the desktop's speech service (speech-dispatcher)
// through its client library. The voice list is asked once per output
// module, in one round trip each, on a connection of its own where the
// service listens on a local socket (see LlistaSsip).
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

    // Every voice of every output module, module by module in the service's
    // order; the service's default module is in use again afterwards.
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

    // Hands a notice of client `client` to its connection, if it is still open.
    static void Avisar(int client, int missatge, Avis avis);

private:
    // The client library's connection (its type has no name to declare).
    struct Client;

    QList<LlistaSsip::VeuSsip> VeusDelModul(const char *modul);

    std::unique_ptr<Client> m_client;
    QByteArray m_socol; // the service's local socket; empty for a network address
    int m_numero = -1;
    Receptor m_receptor;
};
