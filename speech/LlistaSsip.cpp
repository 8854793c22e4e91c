#include "LlistaSsip.h"

#include "ErrorVeu.h"

#include <QDeadlineTimer>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace
{

// A blocking local socket that closes itself, and whose every operation
// ends by a deadline: a service that stops answering must not hold anyone.
class Socol
{
public:
    Socol(const QByteArray &cami, QDeadlineTimer limit)
        : m_fd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)), m_limit(limit)
    {
        sockaddr_un adreca{};
        adreca.sun_family = AF_UNIX;
        if (m_fd < 0 || cami.size() >= qsizetype(sizeof adreca.sun_path))
            throw ErrorVeu("no socket");
        std::memcpy(adreca.sun_path, cami.constData(), cami.size());
        // A service whose queue of connections is full makes connect wait.
        Limitar(SO_SNDTIMEO);
        if (connect(m_fd, reinterpret_cast<sockaddr *>(&adreca), sizeof adreca) != 0)
            throw ErrorVeu("no service at the socket");
    }
    ~Socol()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    Socol(const Socol &) = delete;
    Socol &operator=(const Socol &) = delete;

    void Escriure(const QByteArray &ordre)
    {
        const QByteArray linia = ordre + "\r\n";
        Limitar(SO_SNDTIMEO);
        if (send(m_fd, linia.constData(), linia.size(), MSG_NOSIGNAL) != linia.size())
            throw ErrorVeu("the service went away");
    }
    // Appends what arrived; throws when the service closed or went silent.
    void Llegir(QByteArray &dades)
    {
        char bloc[65536];
        Limitar(SO_RCVTIMEO);
        const ssize_t llegits = recv(m_fd, bloc, sizeof bloc, 0);
        if (llegits <= 0)
            throw ErrorVeu("the service went away");
        dades.append(bloc, llegits);
    }
    // The reply to one command: its last line, the one whose code is
    // followed by a blank; the lines before it go to `linies` without
    // their code.
    QByteArray Resposta(QByteArray &dades, QList<QByteArray> *linies = nullptr)
    {
        for (;;) {
            qsizetype fi;
            while ((fi = dades.indexOf("\r\n")) >= 0) {
                const QByteArray linia = dades.left(fi);
                dades.remove(0, fi + 2);
                if (linia.size() > 3 && linia[3] == ' ')
                    return linia;
                if (linies && linia.size() > 4)
                    linies->append(linia.mid(4));
            }
            Llegir(dades);
        }
    }

private:
    // The time left, as the socket's timeout for sending or receiving.
    void Limitar(int opcio)
    {
        const qint64 resta = m_limit.remainingTime();
        if (resta == 0)
            throw ErrorVeu("the service took too long");
        const timeval espera{static_cast<time_t>(resta / 1000),
                             static_cast<suseconds_t>(resta % 1000 * 1000)};
        setsockopt(m_fd, SOL_SOCKET, opcio, &espera, sizeof espera);
    }

    int m_fd;
    QDeadlineTimer m_limit;
};

bool Correcta(const QByteArray &linia)
{
    return linia.startsWith('2');
}

} // namespace

namespace LlistaSsip
{

bool Analitzar(QByteArray &dades, QList<VeuSsip> &veus)
{
    qsizetype inici = 0;
    qsizetype fi;
    bool acabada = false;
    while (!acabada && (fi = dades.indexOf("\r\n", inici)) >= 0) {
        const QByteArrayView linia(dades.constData() + inici, fi - inici);
        inici = fi + 2;
        if (linia.size() < 4 || !linia.startsWith("2"))
            throw ErrorVeu("the service refused the voice list");
        if (linia[3] == ' ') {
            acabada = true;
            break;
        }
        const QByteArrayView camps = linia.sliced(4);
        const qsizetype tab1 = camps.indexOf('\t');
        const qsizetype tab2 = tab1 < 0 ? -1 : camps.sliced(tab1 + 1).indexOf('\t');
        if (tab1 < 0)
            veus.append(VeuSsip{camps.toByteArray(), {}, {}});
        else
            veus.append(VeuSsip{
                camps.first(tab1).toByteArray(),
                (tab2 < 0 ? camps.sliced(tab1 + 1) : camps.sliced(tab1 + 1, tab2)).toByteArray(),
                {}});
    }
    dades.remove(0, inici);
    return acabada;
}

std::optional<QList<VeuSsip>> Veus(const QByteArray &socol, int ms)
{
    try {
        Socol connexio(socol, QDeadlineTimer(ms));
        QByteArray dades;
        connexio.Escriure("SET SELF CLIENT_NAME user:trimbol:voices");
        if (!Correcta(connexio.Resposta(dades)))
            return std::nullopt;
        connexio.Escriure("LIST OUTPUT_MODULES");
        QList<QByteArray> moduls;
        if (!Correcta(connexio.Resposta(dades, &moduls)))
            return std::nullopt;
        QList<VeuSsip> veus;
        for (const QByteArray &modul : moduls) {
            connexio.Escriure("SET SELF OUTPUT_MODULE " + modul);
            if (!Correcta(connexio.Resposta(dades)))
                continue;
            connexio.Escriure("LIST SYNTHESIS_VOICES");
            QList<VeuSsip> delModul;
            while (!Analitzar(dades, delModul))
                connexio.Llegir(dades);
            for (VeuSsip &veu : delModul)
                veu.modul = modul;
            veus += delModul;
        }
        connexio.Escriure("QUIT");
        return veus;
    } catch (const ErrorVeu &) {
        return std::nullopt;
    }
}

} // namespace LlistaSsip
