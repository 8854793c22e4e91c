#include "UPCTVFuncions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// The Catalan woman's voice of the real engine library: Festival's Ona where
// Festival and the voice are installed, espeak-ng otherwise, on a machine
// without a sound device. The environment names where Festival and the voice
// are looked for, so one machine serves every case.
class TestUPCTVOna : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void quinaVeuParla_data();
    void quinaVeuParla();
    void estatMentreParla();
    void aturarAMigFrase();
    void festivalQueMorEnParlar();
    void altraVeuTancaFestival();

private:
    template <typename T> T Export(const char *nom)
    {
        return reinterpret_cast<T>(m_upctv.Export(nom));
    }
    long Mostres() { return Export<decltype(&upcTVSamplesProduced)>("upcTVSamplesProduced")(); }
    int Freq() { return Export<decltype(&upcTVSampleRate)>("upcTVSampleRate")(); }
    int Status() { return Export<decltype(&upcTVStatus)>("upcTVStatus")(0); }
    // Says the text and keeps the rate of its samples once it is done.
    void Dir(const char *text, int &freq);
    void TriarOna();

    UPCTVFuncions m_upctv;
    QTemporaryDir m_temporal;
    bool m_ona = false;
};

static constexpr int kFreqOna = 16000;
static constexpr int kFreqEspeak = 22050;
static constexpr int kEspera = 30000;

// Says the text and compares the rate of its samples.
#define DIR_I_COMPARAR(text, esperada)                                                            \
    do {                                                                                          \
        int freq = 0;                                                                             \
        Dir(text, freq);                                                                          \
        if (QTest::currentTestFailed())                                                           \
            return;                                                                               \
        QCOMPARE(freq, esperada);                                                                 \
    } while (false)

// The processes this one has started.
static QList<int> Fills()
{
    QList<int> fills;
    for (const QString &fil : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile llista(QStringLiteral("/proc/self/task/%1/children").arg(fil));
        if (llista.open(QIODevice::ReadOnly))
            for (const QByteArray &pid : llista.readAll().split(' '))
                if (pid.toInt() > 0)
                    fills << pid.toInt();
    }
    return fills;
}

void TestUPCTVOna::initTestCase()
{
    m_ona = QFile::exists(QStringLiteral("/usr/bin/festival")) &&
            QFile::exists(QStringLiteral(
                "/usr/share/festival/voices/catalan/upc_ca_ona_hts/hts/upc_ca_ona.htsvoice"));
    QVERIFY(m_upctv.CarregarUPCTV());
    QVERIFY(m_upctv.Export("upcTVSampleRate"));
}

void TestUPCTVOna::init()
{
    qunsetenv("UPCTV_FESTIVAL");
    qunsetenv("UPCTV_ONA");
}

void TestUPCTVOna::cleanupTestCase()
{
    m_upctv.AlliberarUPCTV();
    QCOMPARE(Fills(), QList<int>{});
}

void TestUPCTVOna::Dir(const char *text, int &freq)
{
    freq = -1;
    m_upctv.Llegir(QString::fromUtf8(text));
    // Status stays non-zero while Festival starts and while it speaks.
    QVERIFY(Status() != 0);
    QTRY_VERIFY_WITH_TIMEOUT(Mostres() > 0, kEspera);
    freq = Freq();
    QTRY_COMPARE_WITH_TIMEOUT(Status(), 0, kEspera);
}

void TestUPCTVOna::TriarOna()
{
    // The program's own switch: stop, reload the library, Catalan, speaker 2.
    m_upctv.UPCTVVeuDona(QStringLiteral("catala"));
    QVERIFY(m_upctv.Carregada());
}

void TestUPCTVOna::quinaVeuParla_data()
{
    QTest::addColumn<QByteArray>("festival");
    QTest::addColumn<QString>("veu");
    QTest::addColumn<bool>("ona");

    QTest::newRow("installed") << QByteArray() << QString() << true;
    QTest::newRow("no festival") << QByteArray("/nonexistent/festival") << QString() << false;
    QTest::newRow("festival that is not one") << QByteArray("/bin/true") << QString() << false;
    QTest::newRow("voice without its .htsvoice file") << QByteArray() << "sense-htsvoice" << false;
}

void TestUPCTVOna::quinaVeuParla()
{
    QFETCH(QByteArray, festival);
    QFETCH(QString, veu);
    QFETCH(bool, ona);
    if (ona && !m_ona)
        QSKIP("Festival's Ona is not installed here");
    if (!festival.isEmpty())
        qputenv("UPCTV_FESTIVAL", festival);
    if (!veu.isEmpty()) {
        // The voice's definition without its data file.
        const QString carpeta = m_temporal.filePath(veu);
        QVERIFY(QDir().mkpath(carpeta + QStringLiteral("/festvox")));
        QFile definicio(carpeta + QStringLiteral("/festvox/upc_ca_ona_hts.scm"));
        QVERIFY(definicio.open(QIODevice::WriteOnly));
        qputenv("UPCTV_ONA", carpeta.toLocal8Bit());
    }
    TriarOna();
    DIR_I_COMPARAR("set per vuit ", ona ? kFreqOna : kFreqEspeak);
    // The other voices are espeak-ng's whatever is installed.
    m_upctv.UPCTVVeuHome(QStringLiteral("catala"));
    DIR_I_COMPARAR("set per vuit ", kFreqEspeak);
}

void TestUPCTVOna::estatMentreParla()
{
    if (!m_ona)
        QSKIP("Festival's Ona is not installed here");
    TriarOna();
    m_upctv.Llegir(QStringLiteral("no és correcte "));
    QVERIFY(Status() != 0);
    QTRY_VERIFY_WITH_TIMEOUT(Mostres() > 0, kEspera);
    // Samples come at the pace they are heard: half a second in, the voice
    // is still speaking.
    QTest::qWait(500);
    QVERIFY(Status() != 0);
    QCOMPARE(Freq(), kFreqOna);
    QTRY_COMPARE_WITH_TIMEOUT(Status(), 0, kEspera);
    // The phrase lasts over a second at 16000 samples a second.
    QVERIFY2(Mostres() > kFreqOna, QByteArray::number(qlonglong(Mostres())));
}

void TestUPCTVOna::aturarAMigFrase()
{
    if (!m_ona)
        QSKIP("Festival's Ona is not installed here");
    TriarOna();
    const QString llarg = QStringLiteral("Una frase molt llarga que no s'acaba mai. ").repeated(20);
    m_upctv.Llegir(llarg);
    QTRY_VERIFY_WITH_TIMEOUT(Mostres() > 0, kEspera);
    m_upctv.Aturar();
    QCOMPARE(Status(), 0);
    const long enAturar = Mostres();
    QTest::qWait(300);
    // At most the block being handed out when the stop came.
    QVERIFY2(Mostres() - enAturar <= kFreqOna / 50,
             QByteArray::number(qlonglong(Mostres() - enAturar)));
    // The next text is Ona's own answer, not what was left of the last one.
    DIR_I_COMPARAR("bé ", kFreqOna);
    QVERIFY2(Mostres() < kFreqOna * 2, QByteArray::number(qlonglong(Mostres())));
}

void TestUPCTVOna::festivalQueMorEnParlar()
{
    if (!m_ona)
        QSKIP("Festival's Ona is not installed here");
    TriarOna();
    DIR_I_COMPARAR("bé ", kFreqOna);
    const QList<int> fills = Fills();
    QCOMPARE(fills.size(), 1);
    QCOMPARE(::kill(fills.front(), SIGKILL), 0);
    // espeak-ng says the next text; the program goes on.
    DIR_I_COMPARAR("set per vuit ", kFreqEspeak);
    QCOMPARE(Fills(), QList<int>{});
    // Choosing the voice again starts a new Festival.
    m_upctv.UPCTVVeuHome(QStringLiteral("catala"));
    TriarOna();
    DIR_I_COMPARAR("bé ", kFreqOna);
}

void TestUPCTVOna::altraVeuTancaFestival()
{
    if (!m_ona)
        QSKIP("Festival's Ona is not installed here");
    TriarOna();
    // Festival starts when the voice is chosen, before any text.
    QTRY_COMPARE_WITH_TIMEOUT(Fills().size(), 1, kEspera);
    m_upctv.UPCTVVeuDona(QStringLiteral("castella"));
    QCOMPARE(Fills(), QList<int>{});
    // The same without a reload: only the speaker changes.
    TriarOna();
    QTRY_COMPARE_WITH_TIMEOUT(Fills().size(), 1, kEspera);
    Export<decltype(&upcTVSetSpeaker)>("upcTVSetSpeaker")(0);
    QTRY_COMPARE_WITH_TIMEOUT(Fills(), QList<int>{}, kEspera);
}

QTEST_GUILESS_MAIN(TestUPCTVOna)
#include "tst_upctvona.moc"
