#include "Rellotge.h"
#include "UPCTVFuncions.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// The engine library when espeak-ng finds no voice data (and Festival is not
// there to speak instead): it loads, takes texts and reports idle, and the
// program goes on.
class TestUPCTVSenseDades : public QObject
{
    Q_OBJECT

private slots:
    void sensedades();
};

void TestUPCTVSenseDades::sensedades()
{
    QTemporaryDir buida;
    QVERIFY(QDir(buida.path()).mkdir("espeak-ng-data"));
    qputenv("ESPEAK_DATA_PATH", buida.path().toLocal8Bit());
    qputenv("UPCTV_FESTIVAL", "/nonexistent/festival");
    Rellotge::setAcceleracio(20);

    UPCTVFuncions upctv;
    QVERIFY(upctv.CarregarUPCTV());
    upctv.UPCTVVeuDona("catala");
    QVERIFY(upctv.Carregada());
    upctv.UPCTVParlar("Set per vuit.");
    upctv.UPCTVParlar("Otra vez.");
    auto mostres =
        reinterpret_cast<decltype(&upcTVSamplesProduced)>(upctv.Export("upcTVSamplesProduced"));
    QVERIFY(mostres);
    QCOMPARE(mostres(), 0L);
}

QTEST_GUILESS_MAIN(TestUPCTVSenseDades)
#include "tst_upctvsensedades.moc"
