#include "AnellPermanencia.h"
#include "ConfiguracioAcces.h"
#include "Permanencia.h"
#include "Rellotge.h"

#include <QCursor>
#include <QPushButton>
#include <QtTest>

#include <memory>

// Dwell: the pointer resting on a key presses it once; the ring fills
// meanwhile; the key is pressed again only after the pointer has left it.
class TestPermanencia : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> finestra;
    QList<QPushButton *> tecles;
    ConfiguracioAcces configuracio;
    Permanencia *permanencia = nullptr;
    bool escaneig = false;
    QList<int> premudes;

    void punter(QWidget *on) { QCursor::setPos(on->mapToGlobal(on->rect().center())); }
    // Lets `ms` program milliseconds pass while the pointer rests.
    void esperar(int ms) { QTest::qWait(Rellotge::durada(ms)); }

private slots:
    void init()
    {
        Rellotge::setAcceleracio(10);
        configuracio.canviar(ConfiguracioAcces::Permanencia, 0);
        escaneig = false;
        premudes.clear();
        finestra = std::make_unique<QWidget>();
        finestra->setFixedSize(400, 200);
        tecles.clear();
        for (int i = 0; i < 2; ++i) {
            tecles << new QPushButton(QString::number(i), finestra.get());
            tecles[i]->setGeometry(20 + 200 * i, 40, 150, 65);
            connect(tecles[i], &QPushButton::clicked, this, [this, i] { premudes << i; });
        }
        permanencia = new Permanencia(finestra.get(), {tecles[0], tecles[1]}, &configuracio,
                                      [this] { return escaneig; });
        finestra->move(100, 100);
        finestra->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra.get()));
        QCursor::setPos(finestra->mapToGlobal(QPoint(5, 5)));
    }

    void cleanup()
    {
        finestra.reset();
        Rellotge::setAcceleracio(1);
    }

    void pressesOnceUntilThePointerLeaves()
    {
        configuracio.canviar(ConfiguracioAcces::Permanencia, 10); // 1 s
        punter(tecles[1]);
        QTRY_VERIFY_WITH_TIMEOUT(permanencia->Anell()->isVisible(), 2000);
        QVERIFY(permanencia->Anell()->Fraccio() < 1);
        QVERIFY(tecles[1]->geometry().contains(permanencia->Anell()->geometry().center()));
        if (const QString carpeta = qEnvironmentVariable("TRIMBOL_CAPTURES"); !carpeta.isEmpty())
            finestra->grab().save(carpeta + "/permanencia.png");
        QTRY_COMPARE_WITH_TIMEOUT(premudes, QList<int>{1}, 5000);
        QVERIFY(permanencia->Anell()->isHidden());
        // Resting on: two dwell times more, no second press.
        esperar(2000);
        QCOMPARE(premudes, QList<int>{1});
        // Off the key and back: a new dwell.
        QCursor::setPos(finestra->mapToGlobal(QPoint(5, 5)));
        esperar(200);
        punter(tecles[1]);
        QTRY_COMPARE_WITH_TIMEOUT(premudes, QList<int>({1, 1}), 5000);
    }

    void movingToAnotherKeyStartsAgain()
    {
        configuracio.canviar(ConfiguracioAcces::Permanencia, 10);
        punter(tecles[0]);
        esperar(600);
        punter(tecles[1]);
        esperar(600);
        QVERIFY(premudes.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(premudes, QList<int>{1}, 5000);
    }

    void nothingWhileOffScanningOrDisabled_data()
    {
        QTest::addColumn<int>("cas");
        QTest::newRow("dwell off") << 0;
        QTest::newRow("a scan runs") << 1;
        QTest::newRow("the key is disabled") << 2;
    }

    void nothingWhileOffScanningOrDisabled()
    {
        QFETCH(int, cas);
        configuracio.canviar(ConfiguracioAcces::Permanencia, cas == 0 ? 0 : 5);
        escaneig = cas == 1;
        tecles[0]->setEnabled(cas != 2);
        punter(tecles[0]);
        esperar(1500);
        QVERIFY(premudes.isEmpty());
        QVERIFY(permanencia->Anell()->isHidden());
    }
};

QTEST_MAIN(TestPermanencia)
#include "tst_permanencia.moc"
