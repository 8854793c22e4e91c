#include "Rellotge.h"
#include "UPCTVFuncions.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The binding to the engine library, against a stand-in library that logs
// every call it receives.
class TestUPCTVFuncions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void textPerAlMotor_data();
    void textPerAlMotor();
    void parlarAturaLlegeixIEspera();
    void parlarSenseBiblioteca();
    void nomesCaminsComplets();
    void bibliotecaIncompleta();
    void canviDeVeu_data();
    void canviDeVeu();
    void segonParlarDurantLEspera();
    void alliberarDurantLEspera();
    void destruirDurantLEspera();

private:
    static QString Cami(const char *nom);
    QStringList Registre() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestUPCTVFuncions::initTestCase()
{
    Rellotge::setAcceleracio(100);
}

void TestUPCTVFuncions::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("UPCTV_FALS_REGISTRE", m_dir->filePath("registre.log").toLocal8Bit());
    qputenv("UPCTV_FALS_OCUPAT", "3");
}

QString TestUPCTVFuncions::Cami(const char *nom)
{
    return QCoreApplication::applicationDirPath() + "/" + QLatin1String(nom);
}

QStringList TestUPCTVFuncions::Registre() const
{
    QFile f(m_dir->filePath("registre.log"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

void TestUPCTVFuncions::textPerAlMotor_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("mixed case") << "UNA Prova" << QByteArray("una prova ");
    // Accented capitals stay; Latin-1 bytes go out.
    QTest::newRow("accented capital") << "ÀNGEL" << QByteArray("\xC0ngel ");
    QTest::newRow("Catalan letters") << "Ç·L ÉS" << QByteArray("\xC7\xB7l \xC9s ");
    QTest::newRow("Spanish letters") << "AÑO ¿QUÉ?" << QByteArray("a\xD1o \xBFqu\xC9? ");
    QTest::newRow("signs and digits") << "7 x 8 = 56" << QByteArray("7 x 8 = 56 ");
    QTest::newRow("empty") << "" << QByteArray(" ");
}

void TestUPCTVFuncions::textPerAlMotor()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(UPCTVFuncions::TextPerAlMotor(text), bytes);
}

void TestUPCTVFuncions::parlarAturaLlegeixIEspera()
{
    UPCTVFuncions upctv;
    upctv.setFitxer(Cami("libupctv_fals.so"));
    QVERIFY(upctv.CarregarUPCTV());
    upctv.UPCTVParlar("ÀNGEL");
    upctv.UPCTVParlar("UNA Prova");
    // Each text: stop first, then the bytes, then the status until idle.
    const QStringList status{"status 0 1", "status 0 1", "status 0 1", "status 0 0"};
    const QStringList esperat = QStringList{"load", "speed 100", "stop", "read C06E67656C20"} +
                                status + QStringList{"stop", "read 756E612070726F766120"} + status;
    QCOMPARE(Registre(), esperat);
}

void TestUPCTVFuncions::parlarSenseBiblioteca()
{
    UPCTVFuncions upctv;
    upctv.setFitxer(m_dir->filePath("libupctv.so"));
    QVERIFY(!upctv.CarregarUPCTV());
    QVERIFY(!upctv.Carregada());
    upctv.UPCTVParlar("res");
    upctv.UPCTVVeuHome("catala");
    upctv.RecarregarUPCTV();
    upctv.Aturar();
    QVERIFY(!upctv.Carregada());
    QVERIFY(Registre().isEmpty());
}

// The engine library is looked for beside the program, then where an
// installation puts it, then in the system's folders: always by full path,
// so an empty entry of LD_LIBRARY_PATH cannot bring in the current folder.
void TestUPCTVFuncions::nomesCaminsComplets()
{
    const QStringList camins = UPCTVFuncions::Candidats(QStringLiteral("/opt/t/bin"));
    QCOMPARE(camins.value(0), QStringLiteral("/opt/t/bin/libupctv.so"));
    QCOMPARE(camins.value(1), QStringLiteral("/opt/t/bin/../lib/trimbol/libupctv.so"));
    QVERIFY(camins.size() > 2);
    for (const QString &cami : camins)
        QVERIFY2(cami.startsWith(QLatin1Char('/')) && cami.endsWith(QLatin1String("/libupctv.so")),
                 qPrintable(cami));
}

void TestUPCTVFuncions::bibliotecaIncompleta()
{
    UPCTVFuncions upctv;
    upctv.setFitxer(Cami("libupctv_incompleta.so"));
    QVERIFY(!upctv.CarregarUPCTV());
    QVERIFY(!upctv.Carregada());
    upctv.UPCTVParlar("res");
    // Loaded, found lacking, unloaded: no entry point was ever called.
    QCOMPARE(Registre(), (QStringList{"load", "unload"}));
}

void TestUPCTVFuncions::canviDeVeu_data()
{
    QTest::addColumn<bool>("home");
    QTest::addColumn<QString>("llengua");
    QTest::addColumn<QString>("codi");
    QTest::addColumn<QString>("parlant");

    QTest::newRow("man, Catalan") << true << "catala"
                                  << "99"
                                  << "0";
    QTest::newRow("woman, Catalan") << false << "catala"
                                    << "99"
                                    << "2";
    QTest::newRow("man, Spanish") << true << "castella"
                                  << "101"
                                  << "1";
    QTest::newRow("woman, Spanish") << false << "castella"
                                    << "101"
                                    << "0";
    // Only the exact text picks Catalan.
    QTest::newRow("other text") << true << "Catala"
                                << "101"
                                << "1";
}

void TestUPCTVFuncions::canviDeVeu()
{
    QFETCH(bool, home);
    QFETCH(QString, llengua);
    QFETCH(QString, codi);
    QFETCH(QString, parlant);

    UPCTVFuncions upctv;
    upctv.setFitxer(Cami("libupctv_fals.so"));
    QVERIFY(upctv.CarregarUPCTV());
    if (home)
        upctv.UPCTVVeuHome(llengua);
    else
        upctv.UPCTVVeuDona(llengua);
    QVERIFY(upctv.Carregada());
    QCOMPARE(Registre(), (QStringList{"load", "speed 100", "stop", "unload", "load", "speed 100",
                                      "language " + codi, "speaker " + parlant}));
}

void TestUPCTVFuncions::segonParlarDurantLEspera()
{
    UPCTVFuncions upctv;
    upctv.setFitxer(Cami("libupctv_fals.so"));
    QVERIFY(upctv.CarregarUPCTV());
    bool segonAcabat = false;
    QTimer::singleShot(0, this, [&] {
        upctv.UPCTVParlar("B");
        segonAcabat = true;
    });
    upctv.UPCTVParlar("A");
    QVERIFY(segonAcabat);
    const QStringList r = Registre();
    // The second text stops the first and is waited for; the first wait
    // then ends at once on the idle engine.
    QCOMPARE(r.indexOf("read 6220"), r.indexOf("read 6120") + 3);
    QCOMPARE(r.at(r.indexOf("read 6220") - 1), "stop");
    QCOMPARE(r.last(), "status 0 0");
    QCOMPARE(r.count("status 0 0"), 2);
}

void TestUPCTVFuncions::alliberarDurantLEspera()
{
    UPCTVFuncions upctv;
    upctv.setFitxer(Cami("libupctv_fals.so"));
    QVERIFY(upctv.CarregarUPCTV());
    qputenv("UPCTV_FALS_OCUPAT", "1000");
    QTimer::singleShot(0, this, [&] { upctv.AlliberarUPCTV(); });
    upctv.UPCTVParlar("A");
    QVERIFY(!upctv.Carregada());
    QCOMPARE(Registre().last(), "unload");
}

void TestUPCTVFuncions::destruirDurantLEspera()
{
    auto upctv = std::make_unique<UPCTVFuncions>();
    upctv->setFitxer(Cami("libupctv_fals.so"));
    QVERIFY(upctv->CarregarUPCTV());
    qputenv("UPCTV_FALS_OCUPAT", "1000");
    UPCTVFuncions *cru = upctv.get();
    QTimer::singleShot(0, this, [&] { upctv.reset(); });
    cru->UPCTVParlar("A");
    QVERIFY(!upctv);
    QCOMPARE(Registre().last(), "unload");
}

QTEST_GUILESS_MAIN(TestUPCTVFuncions)
#include "tst_upctvfuncions.moc"
