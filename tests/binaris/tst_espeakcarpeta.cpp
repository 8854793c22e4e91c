#include "Rellotge.h"
#include "UPCTVFuncions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The engine library opens espeak-ng from the system, never from the folder
// the program was started in, even when LD_LIBRARY_PATH (set by CTest to
// ":", two empty entries) would point the loader there.
class TestEspeakCarpeta : public QObject
{
    Q_OBJECT

private slots:
    void noDeLaCarpetaActual();
};

// The file espeak-ng is mapped from, or empty when it is not mapped.
static QString CamiEspeak()
{
    QFile mapes(QStringLiteral("/proc/self/maps"));
    if (!mapes.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &linia : mapes.readAll().split('\n')) {
        const int inici = linia.indexOf('/');
        if (inici >= 0 && linia.contains("libespeak-ng.so"))
            return QString::fromLocal8Bit(linia.mid(inici));
    }
    return {};
}

void TestEspeakCarpeta::noDeLaCarpetaActual()
{
    QVERIFY(qgetenv("LD_LIBRARY_PATH").split(':').contains(QByteArray()));
    QTemporaryDir carpeta;
    QVERIFY(QFile::copy(QStringLiteral(TRIMBOL_ESPEAK_INTRUS),
                        carpeta.filePath(QStringLiteral("libespeak-ng.so.1"))));
    const QString abans = QDir::currentPath();
    QVERIFY(QDir::setCurrent(carpeta.path()));
    Rellotge::setAcceleracio(20);

    UPCTVFuncions upctv;
    QVERIFY(upctv.CarregarUPCTV());
    upctv.UPCTVVeuDona("catala");
    upctv.UPCTVParlar("Set per vuit.");
    const auto mostres =
        reinterpret_cast<decltype(&upcTVSamplesProduced)>(upctv.Export("upcTVSamplesProduced"));
    QVERIFY(mostres);
    const long produides = mostres();
    const QString cami = CamiEspeak();
    upctv.AlliberarUPCTV();
    QDir::setCurrent(abans);

    QVERIFY(qgetenv("TRIMBOL_ESPEAK_INTRUS").isEmpty());
    QVERIFY2(cami.startsWith('/') && !cami.startsWith(carpeta.path()), qPrintable(cami));
    QVERIFY(produides > 0);
}

QTEST_GUILESS_MAIN(TestEspeakCarpeta)
#include "tst_espeakcarpeta.moc"
