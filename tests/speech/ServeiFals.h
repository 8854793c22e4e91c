#pragma once

#include <QByteArray>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <mutex>
#include <thread>

// A speech service of the test's own on its own socket, speaking the
// service's protocol as far as the program needs it, that can be told to
// stop answering:
// - Mut: takes connections and never answers anything;
// - PenjaAlParlar: answers the hand-shake, the listing and the settings,
//   and goes silent, for every connection, at the first SPEAK;
// - Respon: answers everything, and reports each message's begin and end.
class ServeiFals
{
public:
    enum class Mode { Mut, PenjaAlParlar, Respon };

    // Voices as "name\tlanguage\tvariant".
    static QStringList VeusPerDefecte()
    {
        return {"Afrikaans\taf\tnone",         "English (America)\ten-us\tnone",
                "Spanish (Spain)\tes\tnone",   "Catalan\tca\tnone",
                "Catalan+Adam\tca\tAdam",      "Spanish (Latin America)\tes-419\tnone",
                "Zulu\tzu\tnone"};
    }

    explicit ServeiFals(Mode mode, QStringList veus = VeusPerDefecte())
        : m_mode(mode), m_veus(std::move(veus))
    {
        const QByteArray cami = QFile::encodeName(Socol());
        sockaddr_un adreca{};
        adreca.sun_family = AF_UNIX;
        std::memcpy(adreca.sun_path, cami.constData(), cami.size());
        m_escolta = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (bind(m_escolta, reinterpret_cast<sockaddr *>(&adreca), sizeof adreca) != 0 ||
            listen(m_escolta, 64) != 0 || pipe(m_atura) != 0)
            qFatal("the fake service cannot listen");
        m_fil = std::thread([this] { Servir(); });
    }

    ~ServeiFals()
    {
        const char c = 0;
        (void)!write(m_atura[1], &c, 1);
        m_fil.join();
        for (const auto &[fd, client] : m_clients)
            close(fd);
        close(m_escolta);
        close(m_atura[0]);
        close(m_atura[1]);
    }

    QString Socol() const { return m_carpeta.filePath(QStringLiteral("fals.sock")); }
    QString Adreca() const { return QStringLiteral("unix_socket:") + Socol(); }

    // Every line the service was sent, of every connection, in order.
    QStringList Ordres() const
    {
        const std::lock_guard bloqueig(m_mutex);
        return m_ordres;
    }
    int Parlats() const { return Ordres().filter(QStringLiteral("TEXT ")).size(); }

private:
    struct Client {
        QByteArray dades;
        bool rebentText = false;
    };

    void Servir()
    {
        for (;;) {
            std::vector<pollfd> fds{{m_atura[0], POLLIN, 0}};
            if (m_mode != Mode::Mut)
                fds.push_back({m_escolta, POLLIN, 0});
            for (const auto &[fd, client] : m_clients)
                fds.push_back({fd, POLLIN, 0});
            if (poll(fds.data(), fds.size(), -1) < 0)
                continue;
            if (fds[0].revents)
                return;
            for (std::size_t i = 1; i < fds.size(); ++i) {
                if (!fds[i].revents)
                    continue;
                if (fds[i].fd == m_escolta)
                    m_clients[accept4(m_escolta, nullptr, nullptr, SOCK_CLOEXEC)] = Client{};
                else
                    Llegir(fds[i].fd);
            }
        }
    }

    void Llegir(int fd)
    {
        char bloc[4096];
        const ssize_t n = read(fd, bloc, sizeof bloc);
        if (n <= 0) {
            close(fd);
            m_clients.erase(fd);
            return;
        }
        Client &client = m_clients[fd];
        client.dades.append(bloc, n);
        qsizetype fi;
        while ((fi = client.dades.indexOf("\r\n")) >= 0) {
            const QByteArray linia = client.dades.left(fi);
            client.dades.remove(0, fi + 2);
            Respondre(fd, client, linia);
        }
    }

    void Escriure(int fd, const QByteArray &text)
    {
        if (!m_penjat)
            (void)!send(fd, text.constData(), text.size(), MSG_NOSIGNAL);
    }

    void Respondre(int fd, Client &client, const QByteArray &linia)
    {
        {
            const std::lock_guard bloqueig(m_mutex);
            m_ordres << (client.rebentText && linia != "." ? "TEXT " + QString::fromUtf8(linia)
                                                           : QString::fromUtf8(linia));
        }
        if (client.rebentText) {
            if (linia != ".")
                return;
            client.rebentText = false;
            const QByteArray numero = QByteArray::number(++m_missatges);
            Escriure(fd, "225-" + numero + "\r\n225 OK MESSAGE QUEUED\r\n");
            Escriure(fd, "701-" + numero + "\r\n701-1\r\n701 BEGIN\r\n");
            Escriure(fd, "702-" + numero + "\r\n702-1\r\n702 END\r\n");
            return;
        }
        const QByteArray ordre = linia.toUpper();
        if (ordre == "SPEAK") {
            if (m_mode == Mode::PenjaAlParlar)
                m_penjat = true;
            client.rebentText = true;
            Escriure(fd, "230 OK RECEIVING DATA\r\n");
        } else if (ordre.startsWith("HISTORY GET CLIENT_ID")) {
            Escriure(fd, "245-1\r\n245 OK CLIENT ID SENT\r\n");
        } else if (ordre.startsWith("LIST OUTPUT_MODULES")) {
            Escriure(fd, "250-fals\r\n250 OK MODULE LIST SENT\r\n");
        } else if (ordre.startsWith("GET OUTPUT_MODULE")) {
            Escriure(fd, "251-fals\r\n251 OK GET RETURNED\r\n");
        } else if (ordre.startsWith("LIST SYNTHESIS_VOICES")) {
            QByteArray resposta;
            for (const QString &veu : m_veus)
                resposta += "249-" + veu.toUtf8() + "\r\n";
            Escriure(fd, resposta + "249 OK VOICE LIST SENT\r\n");
        } else if (ordre.startsWith("CANCEL")) {
            Escriure(fd, "213 OK CANCELED\r\n");
        } else if (ordre.startsWith("QUIT")) {
            Escriure(fd, "231 HAPPY HACKING\r\n");
        } else {
            Escriure(fd, "200 OK\r\n");
        }
    }

    const Mode m_mode;
    const QStringList m_veus;
    QTemporaryDir m_carpeta;
    int m_escolta = -1;
    int m_atura[2] = {-1, -1};
    std::map<int, Client> m_clients;
    int m_missatges = 0;
    bool m_penjat = false;
    mutable std::mutex m_mutex;
    QStringList m_ordres;
    std::thread m_fil;
};
