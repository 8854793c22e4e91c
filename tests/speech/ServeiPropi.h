#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

// A speech-dispatcher of the test's own: its own configuration, log folder
// and socket in a temporary folder, with the espeak-ng module (thousands of
// voices). It stops when the object goes; should the test die first, it
// stops by itself once no client has been connected for a while.
class ServeiPropi
{
public:
    static inline const QString kPrograma = QStringLiteral("/usr/bin/speech-dispatcher");
    static inline const QString kModul =
        QStringLiteral("/usr/lib/speech-dispatcher-modules/sd_espeak-ng");

    static bool Instalat()
    {
        return QFileInfo(kPrograma).isExecutable() && QFileInfo(kModul).isExecutable();
    }

    ServeiPropi()
    {
        const QDir carpeta(m_carpeta.path());
        carpeta.mkpath(QStringLiteral("conf/modules"));
        carpeta.mkpath(QStringLiteral("log"));
        Escriure(carpeta.filePath(QStringLiteral("conf/speechd.conf")),
                 QStringLiteral("LogLevel 5\n"
                                "LogDir \"%1\"\n"
                                "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
                                "DefaultModule espeak-ng\n"
                                "AudioOutputMethod \"libao\"\n")
                     .arg(carpeta.filePath(QStringLiteral("log"))));
        Escriure(carpeta.filePath(QStringLiteral("conf/modules/espeak-ng.conf")), {});
        m_proces.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_proces.setStandardOutputFile(QProcess::nullDevice());
        m_proces.start(kPrograma,
                       {QStringLiteral("--run-single"), QStringLiteral("--timeout"),
                        QStringLiteral("30"), QStringLiteral("--config-dir"),
                        carpeta.filePath(QStringLiteral("conf")),
                        QStringLiteral("--communication-method"), QStringLiteral("unix_socket"),
                        QStringLiteral("--socket-path"), Socol(), QStringLiteral("--pid-file"),
                        carpeta.filePath(QStringLiteral("pid"))});
    }

    ~ServeiPropi()
    {
        m_proces.terminate();
        if (!m_proces.waitForFinished(10000))
            m_proces.kill();
        m_proces.waitForFinished();
    }

    // Waits until the service takes connections: the socket file shows up
    // before the service listens on it.
    bool Esperar()
    {
        return QTest::qWaitFor(
                   [this] { return Connecta() || m_proces.state() == QProcess::NotRunning; },
                   60000) &&
               m_proces.state() == QProcess::Running;
    }

    QString Socol() const { return m_carpeta.filePath(QStringLiteral("speechd.sock")); }
    QString Adreca() const { return QStringLiteral("unix_socket:") + Socol(); }

    // What the service wrote to its own log so far.
    QByteArray Registre() const
    {
        QFile fitxer(m_carpeta.filePath(QStringLiteral("log/speech-dispatcher.log")));
        return fitxer.open(QIODevice::ReadOnly) ? fitxer.readAll() : QByteArray();
    }

private:
    bool Connecta() const
    {
        const QByteArray cami = QFile::encodeName(Socol());
        sockaddr_un adreca{};
        adreca.sun_family = AF_UNIX;
        std::memcpy(adreca.sun_path, cami.constData(),
                    std::min<size_t>(cami.size(), sizeof adreca.sun_path - 1));
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const bool connectat =
            fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr *>(&adreca), sizeof adreca) == 0;
        if (fd >= 0)
            close(fd);
        return connectat;
    }

    static void Escriure(const QString &cami, const QString &text)
    {
        QFile fitxer(cami);
        if (!fitxer.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(cami));
        fitxer.write(text.toUtf8());
    }

    QTemporaryDir m_carpeta;
    QProcess m_proces;
};
