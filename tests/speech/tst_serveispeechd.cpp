#include "ServeiSpeechd.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// When the desktop's speech service can be reached, and so when creating its
// engine is worth the attempt.
class TestServeiSpeechd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void abastable_data();
    void abastable();

private:
    // Makes an empty file at a path under the temporary folder.
    QString Crear(const QString &relatiu, QFile::Permissions permisos = {});

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestServeiSpeechd::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

QString TestServeiSpeechd::Crear(const QString &relatiu, QFile::Permissions permisos)
{
    const QString cami = m_dir->filePath(relatiu);
    QDir().mkpath(QFileInfo(cami).path());
    QFile fitxer(cami);
    if (!fitxer.open(QIODevice::WriteOnly))
        qFatal("cannot create %s", qPrintable(cami));
    fitxer.close();
    if (permisos)
        fitxer.setPermissions(permisos);
    return cami;
}

// Each row: the variables set (NAME=relative folder, "@" for the temporary
// folder itself), the file made under the temporary folder ("x:" for an
// executable), and whether the service is reachable.
void TestServeiSpeechd::abastable_data()
{
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<QString>("fitxer");
    QTest::addColumn<bool>("esperat");

    const QString socol = QStringLiteral("speech-dispatcher/speechd.sock");
    QTest::newRow("nothing at all")
        << QStringList{"XDG_RUNTIME_DIR=run", "HOME=casa"} << "" << false;
    QTest::newRow("running service")
        << QStringList{"XDG_RUNTIME_DIR=run"} << "run/" + socol << true;
    QTest::newRow("socket in another user's folder")
        << QStringList{"XDG_RUNTIME_DIR=run"} << "altre/" + socol << false;
    QTest::newRow("no runtime folder: cache folder")
        << QStringList{"XDG_CACHE_HOME=cau"} << "cau/" + socol << true;
    QTest::newRow("no runtime folder: home cache")
        << QStringList{"HOME=casa"} << "casa/.cache/" + socol << true;
    QTest::newRow("runtime folder wins over the cache")
        << QStringList{"XDG_RUNTIME_DIR=run", "HOME=casa"} << "casa/.cache/" + socol << false;
    QTest::newRow("a socket address given")
        << QStringList{"SPEECHD_ADDRESS=unix_socket:@sock", "HOME=casa"} << "sock" << true;
    QTest::newRow("nothing at the socket address given")
        << QStringList{"SPEECHD_ADDRESS=unix_socket:@sock", "HOME=casa"} << "" << false;
    QTest::newRow("no socket at the address, one in the usual place")
        << QStringList{"SPEECHD_ADDRESS=unix_socket:@sock", "XDG_RUNTIME_DIR=run"} << "run/" + socol
        << false;
    QTest::newRow("a network address given")
        << QStringList{"SPEECHD_ADDRESS=inet_socket:127.0.0.1:6560", "HOME=casa"} << "" << true;
    QTest::newRow("installed service") << QStringList{"HOME=casa"} << "x:servei" << true;
    QTest::newRow("service file not executable") << QStringList{"HOME=casa"} << "servei" << false;
}

void TestServeiSpeechd::abastable()
{
    QFETCH(QStringList, variables);
    QFETCH(QString, fitxer);
    QFETCH(bool, esperat);

    QProcessEnvironment entorn;
    for (const QString &variable : variables) {
        const QString nom = variable.section('=', 0, 0);
        QString valor = variable.section('=', 1);
        if (nom != QLatin1String("SPEECHD_ADDRESS"))
            valor = m_dir->filePath(valor);
        valor.replace('@', m_dir->path() + '/');
        entorn.insert(nom, valor);
    }
    if (fitxer.startsWith("x:"))
        Crear(fitxer.mid(2), QFile::ReadOwner | QFile::ExeOwner);
    else if (!fitxer.isEmpty())
        Crear(fitxer);
    QCOMPARE(ServeiSpeechd::Abastable(entorn, m_dir->filePath("servei")), esperat);
}

QTEST_GUILESS_MAIN(TestServeiSpeechd)
#include "tst_serveispeechd.moc"
