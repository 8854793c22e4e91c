#include "Finestres.h"
#include "FitxerConfiguracio.h"
#include "MotorsDeVeu.h"

#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

// Finding a window by its title, and dismissing the engine library's window
// with Enter.
class TestTreureFinestra : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void findAWindow_data();
    void findAWindow();
    void finestraAmagadaNoCompta();
    void vintIUnTics();
    void reiniciarNomesPosaElComptadorAZero();

private:
    QDialog *Dialeg(const QString &titol);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FitxerConfiguracio> m_config;
    std::unique_ptr<MotorsDeVeu> m_motors;
    QList<QDialog *> m_dialegs;
    int m_premuts = 0;
};

void TestTreureFinestra::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_config = std::make_unique<FitxerConfiguracio>(m_dir->filePath("trimbol.ini"));
    m_motors = std::make_unique<MotorsDeVeu>(*m_config);
    m_premuts = 0;
}

void TestTreureFinestra::cleanup()
{
    qDeleteAll(m_dialegs);
    m_dialegs.clear();
    m_motors.reset();
}

QDialog *TestTreureFinestra::Dialeg(const QString &titol)
{
    auto *dialeg = new QDialog;
    dialeg->setWindowTitle(titol);
    auto *boto = new QPushButton("D'acord", dialeg);
    boto->setDefault(true);
    connect(boto, &QPushButton::clicked, dialeg, [this, dialeg] {
        ++m_premuts;
        dialeg->accept();
    });
    dialeg->show();
    m_dialegs << dialeg;
    return dialeg;
}

void TestTreureFinestra::findAWindow_data()
{
    QTest::addColumn<QStringList>("titols");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("trobada"); // index into titols, -1 for none

    QTest::newRow("contains") << QStringList{"Una", "Avis: upcTV 1.0 ok"} << "upcTV 1.0" << 1;
    QTest::newRow("first of two") << QStringList{"upcTV a", "upcTV b"} << "upcTV" << 0;
    QTest::newRow("case counts") << QStringList{"UPCTV 1.0"} << "upcTV 1.0" << -1;
    QTest::newRow("empty title skipped") << QStringList{"", "x"} << "" << 1;
    QTest::newRow("none") << QStringList{"Trimbol"} << "Quelvox" << -1;
    QTest::newRow("inside 254") << QStringList{QString(240, 'a') + "upcTV"} << "upcTV" << 0;
    // Only the first 254 characters of a title are looked at.
    QTest::newRow("beyond 254") << QStringList{QString(250, 'a') + "upcTV"} << "upcTV" << -1;
}

void TestTreureFinestra::findAWindow()
{
    QFETCH(QStringList, titols);
    QFETCH(QString, text);
    QFETCH(int, trobada);

    QList<QDialog *> dialegs;
    for (const QString &t : titols)
        dialegs << Dialeg(t);
    QWindow *esperada = trobada < 0 ? nullptr : dialegs[trobada]->windowHandle();
    QCOMPARE(FindAWindow(text), esperada);
}

void TestTreureFinestra::finestraAmagadaNoCompta()
{
    QDialog *dialeg = Dialeg(MotorsDeVeu::kTitolFinestraUPCTV);
    dialeg->hide();
    QCOMPARE(FindAWindow(MotorsDeVeu::kTitolFinestraUPCTV), nullptr);
}

void TestTreureFinestra::vintIUnTics()
{
    QCOMPARE(m_motors->TimerTreureFinestraUPCTV->objectName(), "TimerTreureFinestraUPCTV");
    QCOMPARE(m_motors->TimerTreureFinestraUPCTV->interval(), 200);
    QDialog *dialeg = Dialeg("Avís - " + MotorsDeVeu::kTitolFinestraUPCTV + " - inici");
    m_motors->IniciarTreureFinestra();
    QVERIFY(m_motors->TimerTreureFinestraUPCTV->isActive());
    m_motors->TimerTreureFinestraUPCTVTimer();
    QCOMPARE(m_premuts, 1);
    QCOMPARE(dialeg->result(), int(QDialog::Accepted));
    QVERIFY(!dialeg->isVisible());
    // A window that shows up again while the timer runs goes again.
    dialeg->show();
    for (int tic = 2; tic <= 20; ++tic)
        m_motors->TimerTreureFinestraUPCTVTimer();
    QCOMPARE(m_premuts, 2);
    QVERIFY(m_motors->TimerTreureFinestraUPCTV->isActive());
    m_motors->TimerTreureFinestraUPCTVTimer();
    QCOMPARE(m_motors->ComptadorTreureFinestra, 21);
    QVERIFY(!m_motors->TimerTreureFinestraUPCTV->isActive());
}

void TestTreureFinestra::reiniciarNomesPosaElComptadorAZero()
{
    m_motors->IniciarTreureFinestra();
    for (int tic = 0; tic < 15; ++tic)
        m_motors->TimerTreureFinestraUPCTVTimer();
    m_motors->IniciarTreureFinestra();
    QCOMPARE(m_motors->ComptadorTreureFinestra, 0);
    for (int tic = 0; tic < 20; ++tic)
        m_motors->TimerTreureFinestraUPCTVTimer();
    QVERIFY(m_motors->TimerTreureFinestraUPCTV->isActive());
    m_motors->TimerTreureFinestraUPCTVTimer();
    QVERIFY(!m_motors->TimerTreureFinestraUPCTV->isActive());
}

QTEST_MAIN(TestTreureFinestra)
#include "tst_treurefinestra.moc"
