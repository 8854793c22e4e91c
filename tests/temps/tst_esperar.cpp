#include "Esperar.h"
#include "Rellotge.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

class TestEsperar : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        Rellotge::setAcceleracio(1);
        Rellotge::setTickFix(std::nullopt);
        Rellotge::setDesplacament(0);
    }

    void dispatchesMessagesWhileWaiting()
    {
        Rellotge::setAcceleracio(20);
        int ticks = 0;
        QTimer timer;
        timer.setInterval(1);
        connect(&timer, &QTimer::timeout, this, [&] { ++ticks; });
        timer.start();
        Esperar(1000); // 50 ms of real time
        QVERIFY2(ticks > 3, "a timer must keep firing during the wait");
    }

    void lastsTheScaledTime()
    {
        Rellotge::setAcceleracio(10);
        QElapsedTimer rellotge;
        rellotge.start();
        Esperar(1500);
        QVERIFY(rellotge.elapsed() >= 145);
        QVERIFY(rellotge.elapsed() < 1500);
    }

    void nestedWaitsEachEnd()
    {
        Rellotge::setAcceleracio(100);
        bool interiorAcabada = false;
        QTimer::singleShot(0, this, [&] {
            Esperar(1000);
            interiorAcabada = true;
        });
        Esperar(4000);
        QVERIFY(interiorAcabada);
    }

    void tickWraps_data()
    {
        QTest::addColumn<quint32>("inici");
        QTest::addColumn<quint32>("ara");
        QTest::addColumn<quint32>("transcorregut");
        QTest::newRow("plain") << 1000u << 84449u << 83449u;
        QTest::newRow("across the wrap") << 0xFFFFFF00u << 0x00014600u << 83712u;
    }
    void tickWraps()
    {
        QFETCH(quint32, inici);
        QFETCH(quint32, ara);
        QFETCH(quint32, transcorregut);
        Rellotge::setTickFix(ara);
        QCOMPARE(static_cast<quint32>(Rellotge::GetTickCount() - inici), transcorregut);
    }

    void tickAdvances()
    {
        Rellotge::setDesplacament(0xFFFFFFF0u);
        const std::uint32_t t0 = Rellotge::GetTickCount();
        Esperar(30);
        const std::uint32_t t1 = Rellotge::GetTickCount();
        QVERIFY(static_cast<std::uint32_t>(t1 - t0) >= 25);
        QVERIFY(static_cast<std::uint32_t>(t1 - t0) < 5000);
    }

    // Last: once told to quit, the application runs no further loops.
    void endsWhenTheProgramQuits()
    {
        // A 60 s wait must end as soon as the application is told to quit.
        QElapsedTimer rellotge;
        rellotge.start();
        QTimer::singleShot(20, qApp, [] { QCoreApplication::exit(0); });
        Esperar(60000);
        QVERIFY(rellotge.elapsed() < 5000);
    }
};

QTEST_MAIN(TestEsperar)
#include "tst_esperar.moc"
