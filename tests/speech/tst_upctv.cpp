#include "Rellotge.h"
#include "UPCTVFuncions.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

// The real engine library on a machine without a sound device: found beside
// the program, it synthesises speech and reports speaking, then idle.
class TestUPCTV : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void trobadaAlCostatDelPrograma();
    void espeakNomesAlLlegir();
    void produeixMostres_data();
    void produeixMostres();
    void estatParlantIDespresInactiu();
    void aturarSilenciaDeSeguida();
    void recarregarDiversesVegades();

private:
    template <typename T> T Export(const char *nom)
    {
        return reinterpret_cast<T>(m_upctv.Export(nom));
    }
    long Mostres() { return Export<decltype(&upcTVSamplesProduced)>("upcTVSamplesProduced")(); }
    void Read(const char *text) { Export<decltype(&upcTVRead)>("upcTVRead")(text); }
    int Status() { return Export<decltype(&upcTVStatus)>("upcTVStatus")(0); }

    UPCTVFuncions m_upctv;
};

void TestUPCTV::initTestCase()
{
    Rellotge::setAcceleracio(20);
    // Found beside the program, without being told where.
    QVERIFY(m_upctv.CarregarUPCTV());
    QVERIFY(m_upctv.Export("upcTVSamplesProduced"));
}

void TestUPCTV::cleanupTestCase()
{
    m_upctv.AlliberarUPCTV();
}

void TestUPCTV::trobadaAlCostatDelPrograma()
{
    QVERIFY(m_upctv.Carregada());
    const auto about = Export<decltype(&upcTVAbout)>("upcTVAbout");
    QVERIFY(QString::fromLatin1(about()).startsWith("upcTV 1.0"));
}

// Whether espeak-ng is mapped into this process.
static bool EspeakAMemoria()
{
    QFile mapes("/proc/self/maps");
    return mapes.open(QIODevice::ReadOnly) && mapes.readAll().contains("libespeak-ng");
}

void TestUPCTV::espeakNomesAlLlegir()
{
    // Loading the library and choosing a voice leave espeak-ng and its sound
    // libraries out of memory; the first text brings them in.
    m_upctv.UPCTVVeuDona("catala");
    QVERIFY(!EspeakAMemoria());
    m_upctv.UPCTVParlar("Hola.");
    QVERIFY(Mostres() > 0);
    QVERIFY(EspeakAMemoria());
}

void TestUPCTV::produeixMostres_data()
{
    QTest::addColumn<bool>("home");
    QTest::addColumn<QString>("llengua");
    QTest::addColumn<QString>("text");

    QTest::newRow("Catalan, woman") << false << "catala"
                                    << "Set per vuit és igual a cinquanta-sis.";
    QTest::newRow("Spanish, man") << true << "castella"
                                  << "Àngel, nueve dividido entre tres.";
}

void TestUPCTV::produeixMostres()
{
    QFETCH(bool, home);
    QFETCH(QString, llengua);
    QFETCH(QString, text);

    if (home)
        m_upctv.UPCTVVeuHome(llengua);
    else
        m_upctv.UPCTVVeuDona(llengua);
    QVERIFY(m_upctv.Carregada());
    m_upctv.UPCTVParlar(text);
    QCOMPARE(Status(), 0);
    // 22050 samples a second: a sentence lasts well over a second.
    QVERIFY2(Mostres() > 22050, QByteArray::number(qlonglong(Mostres())));
}

void TestUPCTV::estatParlantIDespresInactiu()
{
    Read("Bon dia.");
    QVERIFY(Status() != 0);
    QTRY_COMPARE_WITH_TIMEOUT(Status(), 0, 30000);
    QVERIFY(Mostres() > 0);
}

void TestUPCTV::aturarSilenciaDeSeguida()
{
    const QByteArray llarg = QByteArray("Una frase molt llarga que no s'acaba mai. ").repeated(40);
    Read(llarg.constData());
    QTRY_VERIFY_WITH_TIMEOUT(Mostres() > 0, 30000);
    m_upctv.Aturar();
    QCOMPARE(Status(), 0);
    const long enAturar = Mostres();
    // Forty sentences would be well over a minute of samples.
    QVERIFY2(enAturar < 22050L * 60, QByteArray::number(qlonglong(enAturar)));
    // A new text after a stop is said as usual.
    Read("Hola.");
    QVERIFY(Status() != 0);
    QTRY_COMPARE_WITH_TIMEOUT(Status(), 0, 30000);
}

void TestUPCTV::recarregarDiversesVegades()
{
    // Every voice change unloads and loads the library: the worker thread
    // must stop cleanly each time, even in the middle of a text.
    for (int i = 0; i < 4; ++i) {
        Read("Prova de recàrrega.");
        QVERIFY(Status() != 0);
        if (i % 2)
            m_upctv.UPCTVVeuHome("catala");
        else
            m_upctv.UPCTVVeuDona("castella");
        QVERIFY(m_upctv.Carregada());
        QCOMPARE(Status(), 0);
    }
    m_upctv.AlliberarUPCTV();
    QVERIFY(!m_upctv.Carregada());
    QVERIFY(m_upctv.CarregarUPCTV());
    m_upctv.UPCTVParlar("Fi.");
    QVERIFY(Mostres() > 0);
}

QTEST_GUILESS_MAIN(TestUPCTV)
#include "tst_upctv.moc"
