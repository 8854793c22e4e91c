#include "FitxerConfiguracio.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
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

// Text as a Windows program writes it in UTF-16, byte-order mark first.
QByteArray utf16(const QString &text, QStringConverter::Encoding codificacio)
{
    QStringEncoder codificador(codificacio, QStringConverter::Flag::WriteBom);
    return codificador.encode(text);
}
QByteArray utf16LE(const QString &text)
{
    return utf16(text, QStringConverter::Utf16LE);
}
QByteArray utf16BE(const QString &text)
{
    return utf16(text, QStringConverter::Utf16BE);
}

// Root may write anywhere; while this lives, file access goes through the
// rights of an ordinary user, so refusals really happen. Linux only changes
// the file-system identity of the calling thread.
class ComUsuariCorrent
{
public:
    ComUsuariCorrent()
    {
        if (geteuid() != 0)
            return;
        setfsuid(65534);
        m_canviat = setfsuid(static_cast<uid_t>(-1)) == 65534;
    }
    ~ComUsuariCorrent()
    {
        if (m_canviat)
            setfsuid(0);
    }
    // False when root could not give up its rights.
    bool valid() const { return geteuid() != 0 || m_canviat; }

private:
    bool m_canviat = false;
};

void posarPermisos(const QString &cami, QFileDevice::Permissions permisos)
{
    QVERIFY(QFile::setPermissions(cami, permisos));
}
const QFileDevice::Permissions nomesLectura = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                              QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                              QFileDevice::ReadOther | QFileDevice::ExeOther;
const QFileDevice::Permissions escriptura = nomesLectura | QFileDevice::WriteOwner;
const QFileDevice::Permissions perATothom = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ReadOther | QFileDevice::WriteOther;
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
        // Reachable by the ordinary user that stands in for root.
        posarPermisos(m_carpeta.path(), escriptura);
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
        QTest::newRow("double quotes around the value go")
            << QByteArray("[TRIMBOL]\nLLENGUA=\"2\"\n") << "TRIMBOL"
            << "LLENGUA"
            << "2";
        QTest::newRow("single quotes around the value go") << QByteArray("[S]\nk='x'\n") << "S"
                                                           << "k"
                                                           << "x";
        QTest::newRow("blanks inside the quotes stay") << QByteArray("[S]\nk = \" a b \" \n") << "S"
                                                       << "k"
                                                       << " a b ";
        QTest::newRow("only one pair of quotes goes") << QByteArray("[S]\nk=\"\"x\"\"\n") << "S"
                                                      << "k"
                                                      << "\"x\"";
        QTest::newRow("empty quotes give an empty value") << QByteArray("[S]\nk=\"\"\n") << "S"
                                                          << "k"
                                                          << "";
        QTest::newRow("quotes that do not match stay") << QByteArray("[S]\nk=\"x'\n") << "S"
                                                       << "k"
                                                       << "\"x'";
        QTest::newRow("a lone quote stays") << QByteArray("[S]\nk=\"\n") << "S"
                                            << "k"
                                            << "\"";
        QTest::newRow("quotes inside the value stay") << QByteArray("[S]\nk=a \"b\"\n") << "S"
                                                      << "k"
                                                      << "a \"b\"";
        QTest::newRow("quotes around two quoted words") << QByteArray("[S]\nk=\"a\" \"b\"\n") << "S"
                                                        << "k"
                                                        << "a\" \"b";
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
        const QByteArray finalAmbClau = "\n[S]\nk=v\n";
        const qsizetype farciment = FitxerConfiguracio::MidaMaximaFitxer - finalAmbClau.size();
        QTest::newRow("file of the largest size read")
            << QByteArray(farciment, 'z') + finalAmbClau << "S"
            << "k"
            << "v";
        QTest::newRow("one byte more is no settings file")
            << QByteArray(farciment + 1, 'z') + finalAmbClau << "S"
            << "k"
            << "def";
        QTest::newRow("UTF-16 little-endian, CR LF")
            << utf16LE("; desat al Windows\r\n[TRIMBOL]\r\nLLENGUA=2\r\n") << "trimbol"
            << "llengua"
            << "2";
        QTest::newRow("UTF-16 big-endian") << utf16BE("[tts]\nNumero sintetitzador=3\n") << "TTS"
                                           << "numero sintetitzador"
                                           << "3";
        QTest::newRow("UTF-16 text beyond Latin-1") << utf16LE("[S]\r\nk=Versió € 😀\r\n") << "S"
                                                    << "k"
                                                    << "Versió € 😀";
        QTest::newRow("UTF-16 with an odd last byte is still read")
            << utf16LE("[S]\r\nk=v\r\n") + 'x' << "S"
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
        const QString compartitWindows = "; Windows\r\n[tts]\r\nNumero sintetitzador=2\r\n";
        QTest::newRow("UTF-16 file keeps its encoding for a new section")
            << utf16LE(compartitWindows) << "TRIMBOL"
            << "LLENGUA"
            << "2" << utf16LE(compartitWindows + "\r\n[TRIMBOL]\r\nLLENGUA=2\r\n");
        QTest::newRow("UTF-16 file keeps its encoding for a new key")
            << utf16LE(compartitWindows) << "tts"
            << "Tipus"
            << "àé€" << utf16LE(compartitWindows + "Tipus=àé€\r\n");
        QTest::newRow("UTF-16 value replaced in place")
            << utf16LE(compartitWindows) << "TTS"
            << "NUMERO SINTETITZADOR"
            << "7" << utf16LE("; Windows\r\n[tts]\r\nNumero sintetitzador=7\r\n");
        QTest::newRow("UTF-16 big-endian stays big-endian") << utf16BE("[S]\na=1\n") << "S"
                                                            << "b"
                                                            << "2" << utf16BE("[S]\na=1\nb=2\n");
        QTest::newRow("a second byte-order mark is kept as text")
            << utf16LE(QString(QChar(0xFEFF)) + "; x\n[S]\na=1\n") << "S"
            << "a"
            << "2" << utf16LE(QString(QChar(0xFEFF)) + "; x\n[S]\na=2\n");
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
        QTest::newRow("read-only file in a read-only folder") << "ro/trimbol.ini" << true;
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
            posarPermisos(cami,
                          QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
            posarPermisos(QFileInfo(cami).path(), nomesLectura);
        }
        escriureBytes(m_carpeta.filePath(QStringLiteral("fitxer")), "no és una carpeta");
        QDir(m_carpeta.path()).mkdir(QStringLiteral("carpeta.ini"));
        const auto restaurar = qScopeGuard([&] {
            if (carpetaNomesLectura)
                QFile::setPermissions(QFileInfo(cami).path(), escriptura);
        });
        const ComUsuariCorrent usuari;
        if (!usuari.valid())
            QSKIP("root without the right to act as another user writes anywhere");

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

    // A teacher's prepared copy: the file may be written, its folder may not
    // take the temporary file of an atomic replacement. The file is then
    // rewritten in place; without the file, nothing can be created there.
    void readOnlyFolderWithAWritableFile_data()
    {
        QTest::addColumn<bool>("ambFitxer");
        QTest::newRow("file rewritten in place") << true;
        QTest::newRow("no file: refused") << false;
    }
    void readOnlyFolderWithAWritableFile()
    {
        QFETCH(bool, ambFitxer);
        const QString carpeta = m_carpeta.filePath(QStringLiteral("mestre"));
        const QString cami = carpeta + QStringLiteral("/trimbol.ini");
        QVERIFY(QDir().mkpath(carpeta));
        const auto restaurar = qScopeGuard([&] {
            QFile::setPermissions(carpeta, escriptura);
            QDir(carpeta).removeRecursively();
        });
        if (ambFitxer) {
            escriureBytes(cami, "; preparat per la mestra\r\n[TRIMBOL]\r\nLLENGUA=2\r\n");
            posarPermisos(cami, perATothom);
        }
        posarPermisos(carpeta, nomesLectura);
        const ComUsuariCorrent usuari;
        if (!usuari.valid())
            QSKIP("root without the right to act as another user writes anywhere");

        FitxerConfiguracio fitxer(cami);
        if (!ambFitxer) {
            QVERIFY_THROWS_EXCEPTION(
                ErrorEscriptura,
                fitxer.WriteString(QStringLiteral("TRIMBOL"), QStringLiteral("LLEGIR"), "SI"));
            QVERIFY(!QFileInfo::exists(cami));
            return;
        }
        try {
            fitxer.WriteString(QStringLiteral("TRIMBOL"), QStringLiteral("LLENGUA"), "1");
            fitxer.WriteString(QStringLiteral("TRIMBOL"), QStringLiteral("LLEGIR"), "SI");
        } catch (const ErrorEscriptura &) {
            QFAIL("the teacher's copy could not be saved");
        }
        QCOMPARE(llegirBytes(cami),
                 QByteArray("; preparat per la mestra\r\n[TRIMBOL]\r\nLLENGUA=1\r\nLLEGIR=SI\r\n"));
        QCOMPARE(QDir(carpeta).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("trimbol.ini")});
    }

    // Only a regular file of sane size is a settings file. Anything else
    // reads as a missing file, at once, and refuses writes, losing nothing.
    void notASettingsFile_data()
    {
        QTest::addColumn<QString>("que");
        QTest::newRow("folder") << "folder";
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("link to a device that never ends") << "zero";
        QTest::newRow("several megabytes") << "gran";
        QTest::newRow("UTF-16 with an odd last byte") << "senar";
    }
    void notASettingsFile()
    {
        QFETCH(QString, que);
        const QString cami = m_carpeta.filePath(QStringLiteral("estrany.ini"));
        const QByteArray gran = "[S]\nk=v\n" + QByteArray(4 << 20, ';');
        const QByteArray senar = utf16LE("[S]\r\nk=v\r\n") + 'x';
        pid_t escriptor = 0;
        if (que == "folder") {
            QVERIFY(QDir().mkdir(cami));
        } else if (que == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(cami).constData(), 0600), 0);
            // Were the FIFO opened and read, this writer would feed it a key
            // and end, so that a faulty reader returns instead of waiting.
            escriptor = fork();
            QVERIFY(escriptor >= 0);
            if (escriptor == 0) {
                const int fd = ::open(QFile::encodeName(cami).constData(), O_WRONLY);
                (void)!::write(fd, "[S]\nk=v\n", 8);
                _exit(0);
            }
        } else if (que == "zero") {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), cami));
        } else {
            escriureBytes(cami, que == "gran" ? gran : senar);
        }
        const auto netejar = qScopeGuard([&] {
            if (escriptor > 0) {
                kill(escriptor, SIGKILL);
                waitpid(escriptor, nullptr, 0);
            }
            QFile::remove(cami);
            QDir().rmdir(cami);
        });

        FitxerConfiguracio fitxer(cami);
        if (que != "senar")
            QCOMPARE(fitxer.ReadString(QStringLiteral("S"), QStringLiteral("k"), "def"),
                     QStringLiteral("def"));
        try {
            fitxer.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("w"));
            QFAIL("the write should have been refused");
        } catch (const ErrorEscriptura &error) {
            QCOMPARE(QString::fromStdString(error.what()),
                     QStringLiteral("Unable to write to ") + cami);
        }
        if (que == "gran" || que == "senar")
            QCOMPARE(llegirBytes(cami), que == "gran" ? gran : senar);
        if (que == "zero")
            QVERIFY(QFileInfo(cami).isSymLink());
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

    // Beside the program when the file is there or the folder is a writable
    // folder of a build or a portable copy; an installation (help pages in
    // ../share/trimbol) keeps its settings in the configuration folder.
    void placeOfTheFiles_data()
    {
        QTest::addColumn<QString>("carpetaPrograma");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("alCostat");
        QTest::newRow("writable folder of a portable copy") << "usb"
                                                            << "trimbol.ini" << true;
        QTest::newRow("installation with a writable bin folder") << "local/bin"
                                                                 << "trimbol.ini" << false;
        QTest::newRow("installation with the file beside the program") << "local/bin"
                                                                       << "propi.ini" << true;
        QTest::newRow("read-only folder") << "/proc"
                                          << "trimbol.ini" << false;
        QTest::newRow("read-only folder holding the file") << "/proc"
                                                           << "version" << true;
    }
    void placeOfTheFiles()
    {
        QFETCH(QString, carpetaPrograma);
        QFETCH(QString, nom);
        QFETCH(bool, alCostat);
        QVERIFY(QDir(m_carpeta.path()).mkpath(QStringLiteral("usb")));
        QVERIFY(QDir(m_carpeta.path()).mkpath(QStringLiteral("local/bin")));
        QVERIFY(QDir(m_carpeta.path()).mkpath(QStringLiteral("local/share/trimbol/ajuda")));
        escriureBytes(m_carpeta.filePath(QStringLiteral("local/bin/propi.ini")), "[S]\n");
        const QString programa =
            carpetaPrograma.startsWith('/') ? carpetaPrograma : m_carpeta.filePath(carpetaPrograma);
        const QString configuracio =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QCOMPARE(FitxerConfiguracio::camiPrograma(nom, programa),
                 alCostat ? programa + '/' + nom : configuracio + "/trimbol/" + nom);
        // Probing a folder leaves nothing behind in it.
        QCOMPARE(QDir(programa).entryList(QDir::Hidden | QDir::Files).filter("prova").size(), 0);
    }

    void familyFileInTheConfigurationFolder()
    {
        QCOMPARE(FitxerConfiguracio::camiFamilia(QStringLiteral("projectevorelk.ini")),
                 QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                     QStringLiteral("/projectevorelk.ini"));
    }
};

QTEST_GUILESS_MAIN(TestFitxerConfiguracio)
#include "tst_fitxerconfiguracio.moc"
