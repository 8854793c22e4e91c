#include "FitxerConfiguracio.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
void escriureBytes(const QString &cami, const QByteArray &bytes)
{
    QFile fitxer(cami);
    QVERIFY(fitxer.open(QIODevice::WriteOnly));
    QCOMPARE(fitxer.write(bytes), bytes.size());
}

QByteArray llegirBytes(const QString &cami)
{
    QFile fitxer(cami);
    return fitxer.open(QIODevice::ReadOnly) ? fitxer.readAll() : QByteArray();
}
} // namespace

class TestFitxerConfiguracio : public QObject
{
    Q_OBJECT

    QTemporaryDir m_carpeta;
    QString cami() const { return m_carpeta.filePath(QStringLiteral("trimbol.ini")); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_carpeta.isValid());
    }
    void cleanup() { QFile::remove(cami()); }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("contingut");
        QTest::addColumn<QString>("seccio");
        QTest::addColumn<QString>("clau");
        QTest::addColumn<QString>("esperat");

        const QByteArray normal = "; fet a mà\n[TRIMBOL]\nLLENGUA=2\nLLEGIR=SI\n\n"
                                  "[tts]\nNumero sintetitzador=3\n";
        QTest::newRow("plain key") << normal << "TRIMBOL"
                                   << "LLEGIR"
                                   << "SI";
        QTest::newRow("key with blanks") << normal << "tts"
                                         << "Numero sintetitzador"
                                         << "3";
        QTest::newRow("section and key ignore case") << normal << "Trimbol"
                                                     << "llengua"
                                                     << "2";
        QTest::newRow("key with blanks ignores case") << normal << "TTS"
                                                      << "NUMERO SINTETITZADOR"
                                                      << "3";
        QTest::newRow("missing key") << normal << "TRIMBOL"
                                     << "CheckBoxNoVeure"
                                     << "def";
        QTest::newRow("missing section") << normal << "Accessibilitat"
                                         << "LLEGIR"
                                         << "def";
        QTest::newRow("key of another section") << normal << "tts"
                                                << "LLEGIR"
                                                << "def";
        QTest::newRow("empty file") << QByteArray() << "TRIMBOL"
                                    << "LLEGIR"
                                    << "def";
        QTest::newRow("empty value is not the default") << QByteArray("[S]\nk=\n") << "S"
                                                        << "k"
                                                        << "";
        QTest::newRow("blanks around key and value")
            << QByteArray("  [ S ]  \n\t k \t=  un valor  \n") << "S"
            << "k"
            << "un valor";
        QTest::newRow("equals sign inside the value") << QByteArray("[S]\nk=a=b\n") << "S"
                                                      << "k"
                                                      << "a=b";
        QTest::newRow("quotes are part of the value") << QByteArray("[S]\nk=\"x\"\n") << "S"
                                                      << "k"
                                                      << "\"x\"";
        QTest::newRow("no final line break") << QByteArray("[S]\nk=v") << "S"
                                             << "k"
                                             << "v";
        QTest::newRow("CR LF line ends") << QByteArray("[S]\r\nk=v\r\nl=w\r\n") << "S"
                                         << "k"
                                         << "v";
        QTest::newRow("first of two keys wins") << QByteArray("[S]\nk=1\nK=2\n") << "S"
                                                << "k"
                                                << "1";
        QTest::newRow("first of two sections wins") << QByteArray("[S]\na=1\n[s]\nb=2\n") << "S"
                                                    << "b"
                                                    << "def";
        QTest::newRow("key before any section") << QByteArray("k=v\n[S]\n") << "S"
                                                << "k"
                                                << "def";
        QTest::newRow("comment line is no key") << QByteArray("[S]\n;k=v\n") << "S"
                                                << ";k"
                                                << "def";
        QTest::newRow("line without equals sign") << QByteArray("[S]\nk\n") << "S"
                                                  << "k"
                                                  << "def";
        QTest::newRow("unclosed bracket is no section") << QByteArray("[S\nk=v\n") << "S"
                                                        << "k"
                                                        << "def";
        QTest::newRow("UTF-8") << QByteArray("[S]\nk=Versió àèí\n") << "S"
                               << "k"
                               << "Versió àèí";
        QTest::newRow("UTF-8 with byte-order mark") << QByteArray("\xEF\xBB\xBF[S]\nk=v\n") << "S"
                                                    << "k"
                                                    << "v";
        QTest::newRow("Latin-1 written on Windows") << QByteArray("[S]\nk=Versi\xF3 \xE0\n") << "S"
                                                    << "k"
                                                    << "Versió à";
        QTest::newRow("binary garbage with NUL bytes")
            << QByteArray("\x00\xFF\xFE[S\x00]\n\x01=\x02\n", 12) << "S"
            << "k"
            << "def";
        QTest::newRow("value ends at a NUL") << QByteArray("[S]\nk=ab\x00"
                                                           "cd\n",
                                                           11)
                                             << "S"
                                             << "k"
                                             << "ab";
        QTest::newRow("long value capped to the buffer")
            << QByteArray("[S]\nk=") + QByteArray(5000, 'x') << "S"
            << "k" << QString(1023, 'x');
        QTest::newRow("10 MB line before the key")
            << QByteArray("[S]\n") + QByteArray(10 << 20, 'z') + "\nk=v\n"
            << "S"
            << "k"
            << "v";
    }
    void reading()
    {
        QFETCH(QByteArray, contingut);
        QFETCH(QString, seccio);
        QFETCH(QString, clau);
        QFETCH(QString, esperat);
        escriureBytes(cami(), contingut);
        QCOMPARE(FitxerConfiguracio(cami()).ReadString(seccio, clau, QStringLiteral("def")),
                 esperat);
    }

    void missingFileGivesTheDefault()
    {
        const FitxerConfiguracio fitxer(m_carpeta.filePath(QStringLiteral("no/hi/es.ini")));
        QCOMPARE(fitxer.ReadString(QStringLiteral("tts"), QStringLiteral("Numero sintetitzador"),
                                   QStringLiteral("-1")),
                 QStringLiteral("-1"));
        QVERIFY(!QFileInfo::exists(fitxer.cami()));
    }

    // Each row writes one key and compares the whole file byte for byte:
    // everything the write does not touch must survive as it was.
    void writing_data()
    {
        QTest::addColumn<QByteArray>("abans");
        QTest::addColumn<QString>("seccio");
        QTest::addColumn<QString>("clau");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QByteArray>("despres");

        const QByteArray compartit =
            "; de quelvox\n[tts]\nESTIC LLEGINT=1\n  Numero sintetitzador = 2 \n\n"
            "[QUELVOX]\nbrenquil=1\n";
        QTest::newRow("value replaced in place, spelling of the key kept")
            << compartit << "TTS"
            << "numero sintetitzador"
            << "5"
            << QByteArray("; de quelvox\n[tts]\nESTIC LLEGINT=1\n  Numero sintetitzador =5\n\n"
                          "[QUELVOX]\nbrenquil=1\n");
        QTest::newRow("new key at the end of its section, before the blank line")
            << compartit << "tts"
            << "Tipus de sintetitzador"
            << "SAPI"
            << QByteArray("; de quelvox\n[tts]\nESTIC LLEGINT=1\n  Numero sintetitzador = 2 \n"
                          "Tipus de sintetitzador=SAPI\n\n[QUELVOX]\nbrenquil=1\n");
        QTest::newRow("new section at the end of the file")
            << compartit << "TRIMBOL"
            << "LLENGUA"
            << "2" << compartit + "\n[TRIMBOL]\nLLENGUA=2\n";
        QTest::newRow("empty file") << QByteArray() << "S"
                                    << "k"
                                    << "v" << QByteArray("[S]\nk=v\n");
        QTest::newRow("no final line break, new key") << QByteArray("[S]\na=1") << "S"
                                                      << "k"
                                                      << "v" << QByteArray("[S]\na=1\nk=v\n");
        QTest::newRow("no final line break, new section")
            << QByteArray("[S]\na=1") << "T"
            << "k"
            << "v" << QByteArray("[S]\na=1\n\n[T]\nk=v\n");
        QTest::newRow("no final line break, replaced value") << QByteArray("[S]\nk=1") << "S"
                                                             << "k"
                                                             << "22" << QByteArray("[S]\nk=22");
        QTest::newRow("CR LF kept for a new key and section")
            << QByteArray("[S]\r\na=1\r\n") << "T"
            << "k"
            << "v" << QByteArray("[S]\r\na=1\r\n\r\n[T]\r\nk=v\r\n");
        QTest::newRow("CR LF kept inside a section") << QByteArray("[S]\r\na=1\r\n") << "s"
                                                     << "k"
                                                     << "v" << QByteArray("[S]\r\na=1\r\nk=v\r\n");
        QTest::newRow("first of two keys is the one written")
            << QByteArray("[S]\nk=1\nk=2\n") << "S"
            << "K"
            << "3" << QByteArray("[S]\nk=3\nk=2\n");
        QTest::newRow("first of two sections is the one written")
            << QByteArray("[S]\na=1\n[S]\nb=2\n") << "S"
            << "b"
            << "3" << QByteArray("[S]\na=1\nb=3\n[S]\nb=2\n");
        QTest::newRow("comment at the end of a section stays above the new key")
            << QByteArray("[S]\na=1\n; nota\n") << "S"
            << "k"
            << "v" << QByteArray("[S]\na=1\n; nota\nk=v\n");
        QTest::newRow("line breaks in a value cannot open a section")
            << QByteArray("[S]\n") << "S"
            << "k"
            << "a\n[T]\r\nb=c" << QByteArray("[S]\nk=a [T]  b=c\n");
        QTest::newRow("UTF-8 value in a new file")
            << QByteArray() << "S"
            << "k"
            << "Versió" << QByteArray("[S]\nk=Versi\xC3\xB3\n");
        QTest::newRow("Latin-1 file stays Latin-1") << QByteArray("[S]\na=\xE0\n") << "S"
                                                    << "k"
                                                    << "ó" << QByteArray("[S]\na=\xE0\nk=\xF3\n");
        QTest::newRow("Latin-1 file turns UTF-8 when the value needs it")
            << QByteArray("[S]\na=\xE0\n") << "S"
            << "k"
            << "€" << QByteArray("[S]\na=\xC3\xA0\nk=\xE2\x82\xAC\n");
        QTest::newRow("garbage lines survive") << QByteArray("\x00\xFF\n[S]\n", 7) << "S"
                                               << "k"
                                               << "v" << QByteArray("\x00\xFF\n[S]\nk=v\n", 11);
    }
    void writing()
    {
        QFETCH(QByteArray, abans);
        QFETCH(QString, seccio);
        QFETCH(QString, clau);
        QFETCH(QString, valor);
        QFETCH(QByteArray, despres);
        escriureBytes(cami(), abans);
        FitxerConfiguracio fitxer(cami());
        fitxer.WriteString(seccio, clau, valor);
        QCOMPARE(llegirBytes(cami()), despres);
    }

    void valuesComeBackAsWritten_data()
    {
        QTest::addColumn<QString>("valor");
        QTest::newRow("number") << "-1";
        QTest::newRow("inner blanks") << "Hola mundo. Estoy muy contento";
        QTest::newRow("accents and symbols") << "Versió 47 · àèéíòóú ç ñ €";
        QTest::newRow("empty") << "";
        QTest::newRow("path with separator") << "/home/alumne/trimbol/";
    }
    void valuesComeBackAsWritten()
    {
        QFETCH(QString, valor);
        FitxerConfiguracio fitxer(cami());
        fitxer.WriteString(QStringLiteral("tts to Wav"), QStringLiteral("WAV TEXT"), valor);
        fitxer.WriteString(QStringLiteral("tts to Wav"), QStringLiteral("WAV"),
                           QStringLiteral("x"));
        QCOMPARE(fitxer.ReadString(QStringLiteral("TTS TO WAV"), QStringLiteral("wav text"),
                                   QStringLiteral("def")),
                 valor);
    }

    void namesTheFileCannotHoldAreRefused_data()
    {
        QTest::addColumn<QString>("seccio");
        QTest::addColumn<QString>("clau");
        QTest::newRow("equals sign in a key") << "S"
                                              << "a=b";
        QTest::newRow("bracket in a section") << "S]x"
                                              << "k";
        QTest::newRow("line break in a key") << "S"
                                             << "a\nb";
        QTest::newRow("empty key") << "S"
                                   << "  ";
        QTest::newRow("empty section") << ""
                                       << "k";
    }
    void namesTheFileCannotHoldAreRefused()
    {
        QFETCH(QString, seccio);
        QFETCH(QString, clau);
        const QByteArray abans = "[S]\nk=1\n";
        escriureBytes(cami(), abans);
        FitxerConfiguracio fitxer(cami());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, fitxer.WriteString(seccio, clau, "v"));
        QCOMPARE(llegirBytes(cami()), abans);
    }

    void createdByTheFirstWriteWithItsFolder()
    {
        const QString nou = m_carpeta.filePath(QStringLiteral("a/b/trimbol.ini"));
        FitxerConfiguracio fitxer(nou);
        fitxer.ReadString(QStringLiteral("S"), QStringLiteral("k"), QString());
        QVERIFY(!QFileInfo::exists(nou));
        fitxer.WriteString(QStringLiteral("Accessibilitat"),
                           QStringLiteral("SpinEditIntervalEscaneig"), QStringLiteral("10"));
        QCOMPARE(llegirBytes(nou), QByteArray("[Accessibilitat]\nSpinEditIntervalEscaneig=10\n"));
    }

    // Every read and write goes to the file, so keys another program writes
    // between two of ours are kept, and reads see them at once.
    void keysOfOtherProgramsSurviveEveryWrite()
    {
        FitxerConfiguracio fitxer(cami());
        fitxer.WriteString(QStringLiteral("tts"), QStringLiteral("ESTIC LLEGINT"),
                           QStringLiteral("0"));
        QByteArray deFora = llegirBytes(cami()) + "; quelvox\n[QUELVOX]\nbrenquil=1\n";
        escriureBytes(cami(), deFora);
        QCOMPARE(
            fitxer.ReadString(QStringLiteral("quelvox"), QStringLiteral("BRENQUIL"), QString()),
            QStringLiteral("1"));
        fitxer.WriteString(QStringLiteral("tts"), QStringLiteral("ESTIC LLEGINT"),
                           QStringLiteral("1"));
        fitxer.WriteString(QStringLiteral("TRIMBOL"), QStringLiteral("LLEGIR"),
                           QStringLiteral("NO"));
        QCOMPARE(llegirBytes(cami()), QByteArray("[tts]\nESTIC LLEGINT=1\n; quelvox\n[QUELVOX]\n"
                                                 "brenquil=1\n\n[TRIMBOL]\nLLEGIR=NO\n"));
    }

    void refusedWriteReportsThePathAndLosesNothing_data()
    {
        QTest::addColumn<QString>("lloc");
        QTest::addColumn<bool>("carpetaNomesLectura");
        QTest::newRow("read-only folder holding the file") << "ro/trimbol.ini" << true;
        QTest::newRow("folder that is a file") << "fitxer/trimbol.ini" << false;
        QTest::newRow("path that is a folder") << "carpeta.ini" << false;
        QTest::newRow("system folder") << "/proc/trimbol.ini" << false;
    }
    void refusedWriteReportsThePathAndLosesNothing()
    {
        QFETCH(QString, lloc);
        QFETCH(bool, carpetaNomesLectura);
        const QString cami = lloc.startsWith('/') ? lloc : m_carpeta.filePath(lloc);
        const QByteArray original = "[TRIMBOL]\r\nLLENGUA=2\r\n";
        if (carpetaNomesLectura) {
            QDir().mkpath(QFileInfo(cami).path());
            escriureBytes(cami, original);
            QFile::setPermissions(QFileInfo(cami).path(),
                                  QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        escriureBytes(m_carpeta.filePath(QStringLiteral("fitxer")), "no és una carpeta");
        QDir(m_carpeta.path()).mkdir(QStringLiteral("carpeta.ini"));
        const auto restaurar = qScopeGuard([&] {
            if (carpetaNomesLectura)
                QFile::setPermissions(QFileInfo(cami).path(), QFileDevice::ReadOwner |
                                                                  QFileDevice::WriteOwner |
                                                                  QFileDevice::ExeOwner);
        });
        if (carpetaNomesLectura &&
            QFile(QFileInfo(cami).path() + "/prova").open(QIODevice::WriteOnly))
            QSKIP("this user writes into read-only folders (root)");

        FitxerConfiguracio fitxer(cami);
        try {
            fitxer.WriteString(QStringLiteral("TRIMBOL"), QStringLiteral("LLENGUA"),
                               QStringLiteral("1"));
            QFAIL("the write should have been refused");
        } catch (const ErrorEscriptura &error) {
            QCOMPARE(QString::fromStdString(error.what()),
                     QStringLiteral("Unable to write to ") + cami);
        }
        if (carpetaNomesLectura)
            QCOMPARE(llegirBytes(cami), original);
    }

    // A child process writes the same key over and over and is killed at
    // random moments. The file must always be whole: the other keys and the
    // comment as they were, and the key either its old value or a new one.
    void killedWriterNeverLeavesAHalfWrittenFile()
    {
        const QByteArray inicial =
            "; comentari\r\n[Altres]\r\nclau=1\r\n\r\n[TRIMBOL]\r\nLLENGUA=1\r\n";
        escriureBytes(cami(), inicial);
        const QString valorA(60000, QLatin1Char('a')), valorB(70000, QLatin1Char('b'));
        const QList<qsizetype> mides{inicial.size(), inicial.size() - 1 + valorA.size(),
                                     inicial.size() - 1 + valorB.size()};
        QRandomGenerator atzar(20170911);
        QString anterior = QStringLiteral("1");
        FitxerConfiguracio lector(cami());
        for (int i = 0; i < 300; ++i) {
            const pid_t fill = fork();
            QVERIFY(fill >= 0);
            if (fill == 0) {
                try {
                    FitxerConfiguracio escriptor(cami());
                    for (int n = 0;; ++n)
                        escriptor.WriteString(QStringLiteral("trimbol"), QStringLiteral("llengua"),
                                              n % 2 ? valorA : valorB);
                } catch (...) {
                }
                _exit(1);
            }
            usleep(atzar.bounded(100, 3000));
            kill(fill, SIGKILL);
            int estat = 0;
            waitpid(fill, &estat, 0);
            QVERIFY2(WIFSIGNALED(estat), "the writer stopped by itself: a write failed");

            const QByteArray bytes = llegirBytes(cami());
            QVERIFY(mides.contains(bytes.size()));
            QVERIFY(
                bytes.startsWith("; comentari\r\n[Altres]\r\nclau=1\r\n\r\n[TRIMBOL]\r\nLLENGUA="));
            QCOMPARE(lector.ReadString(QStringLiteral("Altres"), QStringLiteral("clau"), QString()),
                     QStringLiteral("1"));
            // Values are read through the program's 1023-character buffer.
            const QString ara =
                lector.ReadString(QStringLiteral("TRIMBOL"), QStringLiteral("LLENGUA"), QString());
            QVERIFY(ara == anterior || ara == valorA.left(1023) || ara == valorB.left(1023));
            anterior = ara;
        }
    }

    void placeOfTheFiles()
    {
        const QString configuracio =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        const QString programa = m_carpeta.path();
        QCOMPARE(FitxerConfiguracio::camiPrograma(QStringLiteral("trimbol.ini"), programa),
                 programa + QStringLiteral("/trimbol.ini"));
        QCOMPARE(FitxerConfiguracio::camiPrograma(QStringLiteral("trimbol.ini"),
                                                  QStringLiteral("/proc")),
                 configuracio + QStringLiteral("/trimbol/trimbol.ini"));
        QCOMPARE(
            FitxerConfiguracio::camiPrograma(QStringLiteral("version"), QStringLiteral("/proc")),
            QStringLiteral("/proc/version"));
        QCOMPARE(FitxerConfiguracio::camiFamilia(QStringLiteral("projectevorelk.ini")),
                 configuracio + QStringLiteral("/projectevorelk.ini"));
        // Probing a folder leaves nothing behind in it.
        QCOMPARE(QDir(programa).entryList(QDir::Hidden | QDir::Files).filter("prova").size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFitxerConfiguracio)
#include "tst_fitxerconfiguracio.moc"
