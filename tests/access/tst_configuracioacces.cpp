#include "ConfiguracioAcces.h"
#include "FitxerConfiguracio.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The access settings in trimbol.ini: what a stored text reads as, and what
// a change writes, at once, under its own key.
class TestConfiguracioAcces : public QObject
{
    Q_OBJECT

    using A = ConfiguracioAcces;

private slots:
    void storedValues_data()
    {
        QTest::addColumn<int>("ajust");
        QTest::addColumn<QString>("guardat");
        QTest::addColumn<int>("llegit");
        QTest::newRow("acceptance 0.2 s") << int(A::Acceptacio) << "2" << 2;
        QTest::newRow("acceptance 2 s") << int(A::Acceptacio) << "20" << 20;
        QTest::newRow("acceptance 2.1 s: default") << int(A::Acceptacio) << "21" << 0;
        QTest::newRow("repeats negative: default") << int(A::Repeticions) << "-1" << 0;
        QTest::newRow("first key, not a number: default") << int(A::PrimeraTecla) << "5s" << 0;
        QTest::newRow("first key, decimal: default") << int(A::PrimeraTecla) << "0.5" << 0;
        QTest::newRow("loops 10") << int(A::Voltes) << "10" << 10;
        QTest::newRow("loops 11: default") << int(A::Voltes) << "11" << 0;
        QTest::newRow("finish the word SI") << int(A::AcabarTecla) << "SI" << 1;
        QTest::newRow("finish the word si: default") << int(A::AcabarTecla) << "si" << 0;
        QTest::newRow("frame colour 2") << int(A::ColorMarc) << "2" << 2;
        QTest::newRow("frame width 3: default") << int(A::GruixMarc) << "3" << 0;
        QTest::newRow("dwell 0.5 s") << int(A::Permanencia) << "5" << 5;
        QTest::newRow("dwell 3 s") << int(A::Permanencia) << "30" << 30;
        QTest::newRow("dwell 0.4 s: off") << int(A::Permanencia) << "4" << 0;
        QTest::newRow("dwell 3.1 s: off") << int(A::Permanencia) << "31" << 0;
        QTest::newRow("empty: default") << int(A::Voltes) << "" << 0;
    }

    void storedValues()
    {
        QFETCH(int, ajust);
        QFETCH(QString, guardat);
        QFETCH(int, llegit);
        QTemporaryDir carpeta;
        FitxerConfiguracio fitxer(carpeta.filePath("trimbol.ini"));
        fitxer.WriteString("accessibilitat", A::descripcio(A::Ajust(ajust)).clau, guardat);
        const A configuracio(fitxer);
        QCOMPARE(configuracio.valor(A::Ajust(ajust)), llegit);
    }

    void noFileGivesTodaysScanning()
    {
        QTemporaryDir carpeta;
        FitxerConfiguracio fitxer(carpeta.filePath("trimbol.ini"));
        const A configuracio(fitxer);
        for (int a = 0; a < A::NombreAjusts; ++a)
            QCOMPARE(configuracio.valor(A::Ajust(a)), 0);
        QVERIFY(!QFile::exists(fitxer.cami()));
    }

    void stepsAreWrittenAtOnce_data()
    {
        QTest::addColumn<int>("ajust");
        QTest::addColumn<QList<int>>("passos");
        QTest::addColumn<QString>("escrit");
        QTest::newRow("acceptance up twice") << int(A::Acceptacio) << QList<int>{1, 1} << "2";
        QTest::newRow("loops down at 0 stays") << int(A::Voltes) << QList<int>{-1} << "";
        QTest::newRow("dwell up from off: 0.5 s") << int(A::Permanencia) << QList<int>{1} << "5";
        QTest::newRow("dwell down from 0.5 s: off") << int(A::Permanencia) << QList<int>{1, 1, -1, -1}
                                                    << "0";
        QTest::newRow("finish the word on") << int(A::AcabarTecla) << QList<int>{1} << "SI";
        QTest::newRow("finish the word on, off") << int(A::AcabarTecla) << QList<int>{1, -1} << "NO";
        QTest::newRow("width up at the end stays") << int(A::GruixMarc) << QList<int>{1, 1, 1} << "2";
    }

    void stepsAreWrittenAtOnce()
    {
        QFETCH(int, ajust);
        QFETCH(QList<int>, passos);
        QFETCH(QString, escrit);
        QTemporaryDir carpeta;
        FitxerConfiguracio fitxer(carpeta.filePath("trimbol.ini"));
        fitxer.WriteString("Accessibilitat", "SpinEditIntervalEscaneig", "12");
        A configuracio(fitxer);
        QSignalSpy canvis(&configuracio, &A::Canviat);
        for (int pas : passos)
            configuracio.pas(A::Ajust(ajust), pas);
        const QString clau = A::descripcio(A::Ajust(ajust)).clau;
        QCOMPARE(fitxer.ReadString("Accessibilitat", clau, ""), escrit);
        QCOMPARE(fitxer.ReadString("Accessibilitat", "SpinEditIntervalEscaneig", ""), "12");
        // A new reader of the file sees the same value.
        QCOMPARE(A(fitxer).valor(A::Ajust(ajust)), configuracio.valor(A::Ajust(ajust)));
        QCOMPARE(canvis.isEmpty(), escrit.isEmpty());
    }

    void refusedWriteIsReported()
    {
        QTemporaryDir carpeta;
        QVERIFY(QDir(carpeta.path()).mkdir("trimbol.ini")); // a folder, not a file
        FitxerConfiguracio fitxer(carpeta.filePath("trimbol.ini"));
        A configuracio(fitxer);
        QVERIFY_THROWS_EXCEPTION(ErrorEscriptura, configuracio.canviar(A::Voltes, 3));
        QCOMPARE(configuracio.voltes(), 3);
    }
};

QTEST_MAIN(TestConfiguracioAcces)
#include "tst_configuracioacces.moc"
