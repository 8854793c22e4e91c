#include "ConfiguracioAcces.h"
#include "Escanejable.h"
#include "Escaneig.h"
#include "MarcEscaneig.h"
#include "Rellotge.h"

#include <QCursor>
#include <QDialog>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>

// The learner's access settings on the scan, driven by real key and mouse
// events: the press filter on every way a switch arrives, the rounds after
// which automatic scanning stops, the extra rest on the first key, the wait
// for the key's word, the frame styles and the switches in a scanned window.
class TestAcces : public QObject
{
    Q_OBJECT

    enum Via { Espai, RatoliFora, RatoliTecla, PunterRefusat, EnterDirigit };

    std::unique_ptr<QWidget> finestra;
    QFrame *panell = nullptr;
    Escaneig::Tecles tecles{};
    Escaneig *escaneig = nullptr;
    ConfiguracioAcces configuracio;
    bool dirigit = false;
    bool parlant = false;
    QList<int> clicats;
    std::uint32_t ara = 100000;

    void crearFinestra()
    {
        finestra = std::make_unique<QWidget>();
        finestra->setFixedSize(561, 503);
        panell = new QFrame(finestra.get());
        panell->setGeometry(finestra->rect());
        const int lefts[] = {16, 120, 232, 344, 456};
        for (int i = 0; i < Escaneig::NombrePunts; ++i) {
            QRect r;
            if (i == 0)
                r = {16, 192, 89, 65};
            else if (i <= 10)
                r = {lefts[(i - 1) % 5], i <= 5 ? 272 : 352, 89, 65};
            else
                r = QList<QRect>{{200, 432, 161, 65}, {160, 192, 161, 65}, {352, 192, 193, 65}}[i - 11];
            auto *tecla = new QPushButton(QString::number(i), panell);
            tecla->setGeometry(r);
            connect(tecla, &QPushButton::clicked, this, [this, i] { clicats << i; });
            tecles[i] = tecla;
        }
        tecles[0]->hide();
        escaneig = new Escaneig(finestra.get(), tecles, [this] { return dirigit; });
        escaneig->setConfiguracio(&configuracio);
        escaneig->setParlant([this] { return parlant; });
        finestra->move(100, 80);
        finestra->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra.get()));
    }

    void posar(ConfiguracioAcces::Ajust ajust, int valor) { configuracio.canviar(ajust, valor); }

    // A switch press through `via`, held `ms` program milliseconds.
    void premer(Via via, int ms)
    {
        Rellotge::setTickFix(ara);
        const QPoint fora(450, 140);
        QWidget *tecla = escaneig->TeclaEnmarcada();
        switch (via) {
        case Espai:
            QTest::keyPress(finestra.get(), Qt::Key_Space);
            break;
        case EnterDirigit:
            QTest::keyPress(finestra.get(), Qt::Key_Return);
            break;
        case RatoliFora:
            QTest::mousePress(panell, Qt::LeftButton, {}, fora);
            break;
        case RatoliTecla:
            QTest::mousePress(tecla, Qt::LeftButton);
            break;
        case PunterRefusat:
            QTest::mousePress(tecles[8], Qt::LeftButton);
            break;
        }
        ara += ms;
        Rellotge::setTickFix(ara);
        switch (via) {
        case Espai:
            QTest::keyRelease(finestra.get(), Qt::Key_Space);
            break;
        case EnterDirigit:
            QTest::keyRelease(finestra.get(), Qt::Key_Return);
            break;
        case RatoliFora:
            QTest::mouseRelease(panell, Qt::LeftButton, {}, fora);
            break;
        case RatoliTecla:
            QTest::mouseRelease(tecla, Qt::LeftButton);
            break;
        case PunterRefusat:
            QTest::mouseRelease(tecles[8], Qt::LeftButton);
            break;
        }
    }

    // Starts a scan and brings the frame onto key "2".
    void enmarcar(Via via)
    {
        dirigit = via == EnterDirigit;
        if (via == PunterRefusat)
            escaneig->setMourePunter([](const QPoint &) {});
        escaneig->IniciarEscaneig(10, !dirigit, dirigit);
        while (escaneig->TeclaEnmarcada() != tecles[3])
            escaneig->MoureAlSeguentPunt();
    }

private slots:
    void init()
    {
        for (int a = 0; a < ConfiguracioAcces::NombreAjusts; ++a)
            configuracio.canviar(ConfiguracioAcces::Ajust(a),
                                 ConfiguracioAcces::descripcio(ConfiguracioAcces::Ajust(a)).perDefecte);
        dirigit = parlant = false;
        clicats.clear();
        crearFinestra();
        QCursor::setPos(finestra->mapToGlobal(QPoint(5, 5)));
    }

    void cleanup()
    {
        finestra.reset();
        Rellotge::setTickFix(std::nullopt);
        Rellotge::setAcceleracio(1);
    }

    void filters_data()
    {
        QTest::addColumn<int>("via");
        QTest::addColumn<int>("acceptacio");
        QTest::addColumn<int>("repeticions");
        QTest::addColumn<QList<int>>("separacions"); // ms from one press to the next
        QTest::addColumn<int>("durada");
        QTest::addColumn<int>("comptades");
        const std::pair<Via, const char *> vies[] = {{Espai, "Space"},
                                                     {RatoliFora, "left press off the keys"},
                                                     {RatoliTecla, "left press on the key"},
                                                     {PunterRefusat, "pointer refused"},
                                                     {EnterDirigit, "Enter, directed"}};
        for (const auto &[via, nom] : vies) {
            const QString n = QString::fromLatin1(nom);
            QTest::newRow(qPrintable(n + ": burst, repeats 0.3 s"))
                << int(via) << 0 << 3 << QList<int>{0, 50, 50} << 10 << 1;
            QTest::newRow(qPrintable(n + ": burst, no filter"))
                << int(via) << 0 << 0 << QList<int>{0, 50, 50} << 10 << 3;
            QTest::newRow(qPrintable(n + ": 50 ms press, acceptance 0.2 s"))
                << int(via) << 2 << 0 << QList<int>{0} << 50 << 0;
            QTest::newRow(qPrintable(n + ": 250 ms press, acceptance 0.2 s"))
                << int(via) << 2 << 0 << QList<int>{0} << 250 << 1;
            QTest::newRow(qPrintable(n + ": a press after the repeat time"))
                << int(via) << 0 << 3 << QList<int>{0, 350} << 10 << 2;
        }
    }

    void filters()
    {
        QFETCH(int, via);
        QFETCH(int, acceptacio);
        QFETCH(int, repeticions);
        QFETCH(QList<int>, separacions);
        QFETCH(int, durada);
        QFETCH(int, comptades);
        posar(ConfiguracioAcces::Acceptacio, acceptacio);
        posar(ConfiguracioAcces::Repeticions, repeticions);
        enmarcar(Via(via));
        for (int separacio : separacions) {
            ara += separacio;
            premer(Via(via), durada);
        }
        if (via == EnterDirigit) {
            // Each counted right switch moves the frame one key on.
            QCOMPARE(escaneig->TeclaEnmarcada(), tecles[3 + comptades]);
            QVERIFY(clicats.isEmpty());
        } else {
            QCOMPARE(clicats, QList<int>(comptades, 3));
        }
    }

    // A switch held down counts once the acceptance time has passed, before
    // it is let go, and only once.
    void heldSwitchCountsWhileHeld()
    {
        Rellotge::setAcceleracio(20);
        posar(ConfiguracioAcces::Acceptacio, 2);
        enmarcar(Espai);
        QTest::keyPress(finestra.get(), Qt::Key_Space);
        QTRY_COMPARE_WITH_TIMEOUT(clicats, QList<int>{3}, 5000);
        QTest::keyRelease(finestra.get(), Qt::Key_Space);
        QCOMPARE(clicats, QList<int>{3});
    }

    void loopsStopTheScanAndAPressResumesIt_data()
    {
        QTest::addColumn<int>("via");
        QTest::newRow("Space") << int(Espai);
        QTest::newRow("left press on a key") << int(RatoliTecla);
    }

    void loopsStopTheScanAndAPressResumesIt()
    {
        QFETCH(int, via);
        posar(ConfiguracioAcces::Voltes, 2);
        escaneig->IniciarEscaneig(10, true, false);
        for (int pas = 0; pas < 2 * 13; ++pas)
            escaneig->TimerEscaneigTimer();
        QCOMPARE(escaneig->TeclaEnmarcada(), tecles[13]);
        QVERIFY(escaneig->TimerEscaneig()->isActive());
        escaneig->TimerEscaneigTimer();
        QVERIFY(escaneig->EnPausa());
        QVERIFY(!escaneig->TimerEscaneig()->isActive());
        QVERIFY(escaneig->Marc()->isHidden());

        // The key under the pointer is not worked: the press only resumes.
        if (via == RatoliTecla) {
            QTest::mouseClick(tecles[13], Qt::LeftButton);
        } else {
            QTest::keyClick(finestra.get(), Qt::Key_Space);
        }
        QVERIFY(clicats.isEmpty());
        QVERIFY(!escaneig->EnPausa());
        QVERIFY(escaneig->TimerEscaneig()->isActive());
        QCOMPARE(escaneig->TeclaEnmarcada(), tecles[1]);
        // A choice starts the count again: two more rounds from here.
        for (int pas = 0; pas < 2 * 13 - 1; ++pas)
            escaneig->TimerEscaneigTimer();
        QVERIFY(!escaneig->EnPausa());
    }

    void extraTimeOnTheFirstKeyAndAfterAChoice()
    {
        posar(ConfiguracioAcces::PrimeraTecla, 5);
        QTimer *timer = escaneig->TimerEscaneig();
        escaneig->IniciarEscaneig(10, true, false);
        QCOMPARE(timer->interval(), 1000);
        escaneig->TimerEscaneigTimer();
        QCOMPARE(escaneig->TeclaEnmarcada(), tecles[1]);
        QCOMPARE(timer->interval(), 1500);
        escaneig->TimerEscaneigTimer();
        QCOMPARE(timer->interval(), 1000);
        QTest::keyClick(finestra.get(), Qt::Key_Space);
        QCOMPARE(clicats, QList<int>{2});
        QCOMPARE(timer->interval(), 1500);
        QVERIFY(timer->isActive());
    }

    void frameWaitsForTheSpokenKey_data()
    {
        QTest::addColumn<bool>("acabar");
        QTest::newRow("finish the spoken key") << true;
        QTest::newRow("off: the frame moves on") << false;
    }

    void frameWaitsForTheSpokenKey()
    {
        QFETCH(bool, acabar);
        Rellotge::setAcceleracio(10);
        posar(ConfiguracioAcces::AcabarTecla, acabar);
        escaneig->IniciarEscaneig(10, true, false);
        escaneig->TimerEscaneigTimer();
        parlant = true;
        escaneig->TimerEscaneigTimer();
        QCOMPARE(escaneig->TeclaEnmarcada(), tecles[acabar ? 1 : 2]);
        if (!acabar)
            return;
        QVERIFY(!escaneig->TimerEscaneig()->isActive());
        QTest::qWait(200);
        QCOMPARE(escaneig->TeclaEnmarcada(), tecles[1]);
        parlant = false;
        QTRY_COMPARE(escaneig->TeclaEnmarcada(), tecles[2]);
        QVERIFY(escaneig->TimerEscaneig()->isActive());
    }

    void frameStyles_data()
    {
        QTest::addColumn<int>("color");
        QTest::addColumn<int>("gruix");
        QTest::addColumn<QColor>("fora");
        QTest::addColumn<QColor>("dins");
        QTest::addColumn<int>("pixels");
        const QColor colors[][2] = {{Qt::black, Qt::yellow},
                                    {Qt::black, QColor(0xe0, 0, 0)},
                                    {QColor(0, 0x3c, 0xa0), QColor(0xff, 0x90, 0)}};
        const int pixels[] = {6, 10, 14};
        for (int c = 0; c < 3; ++c)
            for (int g = 0; g < 3; ++g)
                QTest::addRow("colour %d, width %d", c, g)
                    << c << g << colors[c][0] << colors[c][1] << pixels[g];
    }

    void frameStyles()
    {
        QFETCH(int, color);
        QFETCH(int, gruix);
        QFETCH(QColor, fora);
        QFETCH(QColor, dins);
        QFETCH(int, pixels);
        escaneig->IniciarEscaneig(10, true, false);
        escaneig->TimerEscaneigTimer();
        escaneig->TimerEscaneigTimer();
        // Changed while the frame is shown: it takes the new look at once.
        posar(ConfiguracioAcces::ColorMarc, color);
        posar(ConfiguracioAcces::GruixMarc, gruix);
        const QRect tecla = tecles[2]->geometry();
        QCOMPARE(escaneig->Marc()->geometry(), tecla.adjusted(-pixels, -pixels, pixels, pixels));
        const QImage imatge = finestra->grab().toImage();
        const int y = tecla.center().y();
        QCOMPARE(imatge.pixelColor(tecla.left() - pixels, y), fora);
        QCOMPARE(imatge.pixelColor(tecla.left() - 1, y), dins);
        QVERIFY(imatge.pixelColor(tecla.center()) != dins);
        if (qEnvironmentVariableIsSet("TRIMBOL_CAPTURES"))
            imatge.save(QStringLiteral("%1/marc-%2-%3.png")
                            .arg(qEnvironmentVariable("TRIMBOL_CAPTURES"))
                            .arg(color)
                            .arg(gruix));
    }

    // A window that asks to be scanned: while a scan runs, its buttons are
    // framed in Tab order and the switches work them; the teacher's mouse
    // still clicks any button and reaches any other control.
    void switchesInAScannedWindow()
    {
        dirigit = true;
        escaneig->IniciarEscaneig(10, false, true);
        QDialog dialeg(finestra.get());
        FerEscanejable(&dialeg);
        QList<QPushButton *> botons;
        QList<int> premuts;
        for (int i = 0; i < 3; ++i) {
            botons << new QPushButton(QString::number(i), &dialeg);
            botons[i]->setGeometry(20 + 100 * i, 20, 80, 40);
            botons[i]->setAutoDefault(false);
            connect(botons[i], &QPushButton::clicked, this, [&premuts, i] { premuts << i; });
        }
        auto *llista = new QListWidget(&dialeg);
        llista->setGeometry(20, 200, 200, 80);
        llista->addItems({"a", "b"});
        QTimer::singleShot(0, &dialeg, [&] {
            botons[0]->setFocus();
            QTest::keyClick(&dialeg, Qt::Key_Return);
            QCOMPARE(escaneig->Dialegs().Enmarcat(), botons[0]);
            QTest::keyClick(&dialeg, Qt::Key_Return);
            QTest::keyClick(&dialeg, Qt::Key_Space);
            QTest::mouseClick(&dialeg, Qt::LeftButton, {}, QPoint(150, 150));
            QTest::mouseClick(botons[2], Qt::LeftButton);
            QCOMPARE(premuts, QList<int>({1, 1, 2}));
            QTest::mouseClick(llista->viewport(), Qt::LeftButton, {},
                              llista->visualItemRect(llista->item(1)).center());
            QCOMPARE(llista->currentRow(), 1);
            QCOMPARE(premuts.size(), 3);
            auto *marc = dialeg.findChild<MarcEscaneig *>();
            QVERIFY(marc && marc->isVisible());
            QCOMPARE(marc->geometry(), botons[1]->geometry().adjusted(-6, -6, 6, 6));
            // The keypad is left as it was.
            QCOMPARE(escaneig->TeclaEnmarcada(), tecles[1]);
            dialeg.accept();
        });
        dialeg.exec();
        QVERIFY(clicats.isEmpty());
    }
};

QTEST_MAIN(TestAcces)
#include "tst_accesescaneig.moc"
