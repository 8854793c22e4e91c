#include "ConnexioSpeechd.h"

#include "ErrorVeu.h"
#include "ServeiSpeechd.h"

#include <QFile>
#include <QHash>

#include <libspeechd.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

namespace
{

constexpr int kPortPerDefecte = 6560;

// Open connections by the client number the service gave them: the client
// library's notices carry that number and nothing else of ours. Never
// destroyed: a connection left to a service that hangs may outlive main().
std::mutex &MutexConnexions()
{
    static auto *mutex = new std::mutex;
    return *mutex;
}

std::map<int, ConnexioSpeechd *> &Connexions()
{
    static auto *connexions = new std::map<int, ConnexioSpeechd *>;
    return *connexions;
}

void Notificacio(size_t missatge, size_t client, SPDNotificationType tipus)
{
    ConnexioSpeechd::Avis avis;
    switch (tipus) {
    case SPD_EVENT_BEGIN:
        avis = ConnexioSpeechd::Avis::Comencat;
        break;
    case SPD_EVENT_END:
        avis = ConnexioSpeechd::Avis::Acabat;
        break;
    case SPD_EVENT_CANCEL:
        avis = ConnexioSpeechd::Avis::Cancellat;
        break;
    default:
        return;
    }
    ConnexioSpeechd::Avisar(static_cast<int>(client), static_cast<int>(missatge), avis);
}

struct AlliberarAdreca {
    void operator()(SPDConnectionAddress *adreca) const { SPDConnectionAddress__free(adreca); }
};
using Adreca = std::unique_ptr<SPDConnectionAddress, AlliberarAdreca>;

// The address in SPEECHD_ADDRESS, read as the client library reads it:
// "unix_socket:PATH" or "inet_socket:HOST[:PORT]". None when the variable is
// empty: the library then takes the user's usual socket.
Adreca LlegirAdreca(const QString &text)
{
    if (text.isEmpty())
        return nullptr;
    const QString metode = text.section(QLatin1Char(':'), 0, 0);
    const QString resta = text.section(QLatin1Char(':'), 1);
    Adreca adreca(
        static_cast<SPDConnectionAddress *>(std::calloc(1, sizeof(SPDConnectionAddress))));
    if (metode == QLatin1String("unix_socket") && !resta.isEmpty()) {
        adreca->method = SPD_METHOD_UNIX_SOCKET;
        adreca->unix_socket_name = strdup(QFile::encodeName(resta).constData());
    } else if (metode == QLatin1String("inet_socket") && !resta.isEmpty()) {
        bool numero = true;
        const QString port = resta.section(QLatin1Char(':'), 1);
        adreca->method = SPD_METHOD_INET_SOCKET;
        adreca->inet_socket_host =
            strdup(resta.section(QLatin1Char(':'), 0, 0).toUtf8().constData());
        adreca->inet_socket_port = port.isEmpty() ? kPortPerDefecte : port.toInt(&numero);
        if (!numero)
            throw ErrorVeu("bad port in SPEECHD_ADDRESS");
    } else {
        throw ErrorVeu("unknown SPEECHD_ADDRESS");
    }
    return adreca;
}

// The local socket of the address, or of the library's usual address; empty
// for a network address.
QByteArray Socol(const SPDConnectionAddress *adreca)
{
    Adreca perDefecte;
    if (!adreca) {
        char *error = nullptr;
        perDefecte.reset(spd_get_default_address(&error));
        std::free(error);
        adreca = perDefecte.get();
    }
    if (!adreca || adreca->method != SPD_METHOD_UNIX_SOCKET || !adreca->unix_socket_name)
        return {};
    return adreca->unix_socket_name;
}

struct Alliberar {
    void operator()(char *text) const { std::free(text); }
    void operator()(char **moduls) const { free_spd_modules(moduls); }
    void operator()(SPDVoice **veus) const { free_spd_voices(veus); }
};

} // namespace

struct ConnexioSpeechd::Client {
    SPDConnection *spd = nullptr;
};

ConnexioSpeechd::ConnexioSpeechd(const QProcessEnvironment &entorn)
{
    if (!ServeiSpeechd::Abastable(entorn))
        throw ErrorVeu("speech service not installed");
    const Adreca adreca = LlegirAdreca(entorn.value(QStringLiteral("SPEECHD_ADDRESS")));
    char *error = nullptr;
    // Only at the user's usual socket may the library start the service:
    // one started for another address refuses to run, after a costly fork.
    m_client = std::make_unique<Client>();
    m_client->spd =
        spd_open2("trimbol", "main", nullptr, SPD_MODE_THREADED, adreca.get(), !adreca, &error);
    std::free(error);
    if (!m_client->spd)
        throw ErrorVeu("speech service unreachable");
    m_numero = spd_get_client_id(m_client->spd);
}

ConnexioSpeechd::~ConnexioSpeechd()
{
    {
        const std::lock_guard bloqueig(MutexConnexions());
        if (const auto it = Connexions().find(m_numero);
            it != Connexions().end() && it->second == this)
            Connexions().erase(it);
    }
    // Joins the library's thread: no notice runs after this.
    spd_close(m_client->spd);
}

QString ConnexioSpeechd::Descripcio(const QString &nom, const QLocale &locale)
{
    return QStringLiteral("%1 - %2 (%3)")
        .arg(nom, QLocale::languageToString(locale.language()),
             QLocale::territoryToString(locale.territory()));
}

QList<Veu> ConnexioSpeechd::VeusDelPrograma(const QList<LlistaSsip::VeuSsip> &veus)
{
    // Thousands of voices share a few dozen language codes.
    QHash<QByteArray, QLocale> locales;
    QList<Veu> catalanes;
    QList<Veu> espanyoles;
    for (const LlistaSsip::VeuSsip &veu : veus) {
        auto locale = locales.find(veu.llengua);
        if (locale == locales.end())
            locale = locales.insert(veu.llengua, QLocale(QString::fromLatin1(veu.llengua)));
        // An empty or unknown code reads as the C locale: no language of ours.
        if (veu.llengua.isEmpty())
            continue;
        QList<Veu> *grup = locale->language() == QLocale::Catalan   ? &catalanes
                           : locale->language() == QLocale::Spanish ? &espanyoles
                                                                    : nullptr;
        if (!grup)
            continue;
        const QString nom = QString::fromUtf8(veu.nom);
        grup->append(Veu(Descripcio(nom, *locale), nom, *locale, QString::fromUtf8(veu.modul)));
    }
    return catalanes + espanyoles;
}

QByteArray ConnexioSpeechd::SocolLocal(const QProcessEnvironment &entorn)
{
    try {
        const Adreca adreca = LlegirAdreca(entorn.value(QStringLiteral("SPEECHD_ADDRESS")));
        return Socol(adreca.get());
    } catch (const ErrorVeu &) {
        return {};
    }
}

QList<Veu> ConnexioSpeechd::Veus()
{
    const std::unique_ptr<char *[], Alliberar> moduls(spd_list_modules(m_client->spd));
    if (!moduls)
        throw ErrorVeu("the speech service lists no modules");
    const std::unique_ptr<char, Alliberar> actual(spd_get_output_module(m_client->spd));
    QList<LlistaSsip::VeuSsip> veus;
    for (char **modul = moduls.get(); *modul; ++modul) {
        if (spd_set_output_module(m_client->spd, *modul) != 0)
            continue;
        const std::unique_ptr<SPDVoice *[], Alliberar> llista(
            spd_list_synthesis_voices(m_client->spd));
        for (SPDVoice **veu = llista.get(); veu && *veu; ++veu)
            veus.append(LlistaSsip::VeuSsip{(*veu)->name ? (*veu)->name : "",
                                            (*veu)->language ? (*veu)->language : "", *modul});
    }
    if (actual)
        spd_set_output_module(m_client->spd, actual.get());
    return VeusDelPrograma(veus);
}

void ConnexioSpeechd::TriarVeu(const Veu &veu)
{
    if (spd_set_output_module(m_client->spd, veu.motor().toUtf8().constData()) != 0 ||
        spd_set_synthesis_voice(m_client->spd, veu.nom().toUtf8().constData()) != 0)
        throw ErrorVeu("the speech service refused the voice");
}

int ConnexioSpeechd::Dir(const QString &text)
{
    return spd_say(m_client->spd, SPD_MESSAGE, text.toUtf8().constData());
}

void ConnexioSpeechd::Cancellar()
{
    spd_cancel(m_client->spd);
}

void ConnexioSpeechd::setReceptor(Receptor receptor)
{
    {
        const std::lock_guard bloqueig(MutexConnexions());
        m_receptor = std::move(receptor);
        Connexions()[m_numero] = this;
    }
    m_client->spd->callback_begin = Notificacio;
    m_client->spd->callback_end = Notificacio;
    m_client->spd->callback_cancel = Notificacio;
    spd_set_notification_on(m_client->spd, SPD_BEGIN);
    spd_set_notification_on(m_client->spd, SPD_END);
    spd_set_notification_on(m_client->spd, SPD_CANCEL);
}

void ConnexioSpeechd::Avisar(int client, int missatge, Avis avis)
{
    const std::lock_guard bloqueig(MutexConnexions());
    const auto it = Connexions().find(client);
    if (it != Connexions().end() && it->second->m_receptor)
        it->second->m_receptor(missatge, avis);
}
