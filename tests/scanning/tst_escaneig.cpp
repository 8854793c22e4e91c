#include "Escaneig.h"
#include "MarcEscaneig.h"
#include "Rellotge.h"

#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace
{

struct Tecla {
    const char *nom;
    const char *text;
    QRect rect;
};

// The keypad of the main window, in scanning order, at its design places.
const std::array<Tecla, Escaneig::NombrePunts> teclat{{
    {"ButtonMenys", "-", {16, 192, 89, 65}},
    {"Button0", "0", {16, 272, 83, 65}},
    {"Button1", "1", {120, 272, 89, 65}},
    {"Button2", "2", {232, 272, 89, 65}},
    {"Button3", "3", {344, 272, 89, 65}},
    {"Button4", "4", {456, 272, 89, 65}},
    {"Button5", "5", {16, 352, 81, 65}},
    {"Button6", "6", {120, 352, 89, 65}},
    {"Button7", "7", {232, 352, 89, 65}},
    {"Button8", "8", {344, 352, 89, 65}},
    {"Button9", "9", {456, 352, 89, 65}},
    {"BitBtnDAcord", "D'acord", {200, 432, 161, 65}},
    {"ButtonEsborrar", "Esborrar", {160, 192, 161, 65}},
    {"ButtonNou", "Nova pregunta", {352, 192, 193, 65}},
}};

constexpr int ButtonMenys = 0;
constexpr int Button1 = 2;
constexpr int Button2 = 3;
constexpr int Button3 = 4;
constexpr int Button4 = 5;
constexpr int Button7 = 8;
constexpr int ButtonNou = 13;

} // namespace

class TestEscaneig : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QWidget> finestra;
    QFrame *panell = nullptr;
    Escaneig::Tecles tecles{};
    Escaneig *escaneig = nullptr;
    QToolButton *botoMenu = nullptr;
    QLineEdit *resposta = nullptr;
    bool dirigit = false;
    // Indexes of the keys clicked, in order.
    QList<int> clicats;

    // A stand-in for the main window: a 561 x 503 client area, a full-size
    // panel at its origin and the keys on the panel, minus key hidden.
    void crearFinestra(QPoint origenPanell)
    {
        finestra = std::make_unique<QWidget>();
        finestra->setFixedSize(561, 503);
        panell = new QFrame(finestra.get());
        panell->setObjectName("Panel");
        panell->setGeometry(QRect(origenPanell, finestra->size()));
        auto *etiqueta = new QLabel("7 x 8", panell);
        etiqueta->setObjectName("LabelOperacio");
        etiqueta->setGeometry(184, 64, 100, 40);
        resposta = new QLineEdit(panell);
        resposta->setObjectName("EditResultat");
        resposta->setGeometry(184, 120, 145, 53);
        botoMenu = new QToolButton(panell);
        botoMenu->setObjectName("SpeedButtonMenu");
        botoMenu->setGeometry(16, 80, 73, 73);
        clicats.clear();
        for (std::size_t i = 0; i < teclat.size(); ++i) {
            auto *tecla = new QPushButton(teclat[i].text, panell);
            tecla->setObjectName(teclat[i].nom);
            tecla->setGeometry(teclat[i].rect);
            connect(tecla, &QPushButton::clicked, this, [this, i] { clicats << int(i); });
            tecles[i] = tecla;
        }
        tecles[ButtonMenys]->hide();
        escaneig = new Escaneig(finestra.get(), tecles, [this] { return dirigit; });
        finestra->move(100, 80);
        finestra->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra.get()));
    }

    QPoint punter() const { return finestra->mapFromGlobal(QCursor::pos()); }

    // Index of the key whose centre the pointer is on, or -1.
    int teclaSotaElPunter() const
    {
        const auto &punts = escaneig->PuntsEscaneig();
        const auto trobat = std::find(punts.begin(), punts.end(), punter());
        return trobat == punts.end() ? -1 : int(trobat - punts.begin());
    }

    void premerDreta(QWidget *on, QPoint lloc = {})
    {
        QTest::mousePress(on, Qt::RightButton, {}, lloc);
        QTest::mouseRelease(on, Qt::RightButton, {}, lloc);
    }

    // A place outside every key, for the pointer to start from.
    void apartarPunter() { QCursor::setPos(finestra->mapToGlobal(QPoint(5, 5))); }

    // A spot of the panel away from every control.
    static QPoint lluny() { return {450, 140}; }

    // Pointer moves do nothing, as on a Wayland desktop.
    void refusarMoviments() { escaneig->setMourePunter([](const QPoint &) {}); }

    // Sets a mode up and brings the frame onto key "2".
    void enmarcarButton2(bool dirigitMarcat)
    {
        dirigit = dirigitMarcat;
        escaneig->IniciarEscaneig(10, !dirigitMarcat, dirigitMarcat);
        while (escaneig->TeclaEnmarcada() != tecles[Button2])
            escaneig->MoureAlSeguentPunt();
    }

private slots:
    void initTestCase() { qRegisterMetaType<QWidget *>(); }

    void init()
    {
        dirigit = false;
        crearFinestra(QPoint(0, 0));
        apartarPunter();
    }

    void cleanup()
    {
        finestra.reset();
        Rellotge::setAcceleracio(1);
    }

    void pointTable_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QPoint>("punt");
        const QPoint punts[] = {{60, 224},  {57, 304},  {164, 304}, {276, 304}, {388, 304},
                                {500, 304}, {56, 384},  {164, 384}, {276, 384}, {388, 384},
                                {500, 384}, {280, 464}, {240, 224}, {448, 224}};
        for (int i = 0; i < Escaneig::NombrePunts; ++i)
            QTest::newRow(teclat[i].nom) << i << punts[i];
    }

    void pointTable()
    {
        QFETCH(int, index);
        QFETCH(QPoint, punt);
        QCOMPARE(escaneig->PuntsEscaneig()[index], punt);
    }

    void pointsMapThroughAPanelAwayFromTheOrigin()
    {
        crearFinestra(QPoint(7, 11));
        QCOMPARE(escaneig->PuntsEscaneig()[Button3], QPoint(388 + 7, 304 + 11));
        QCOMPARE(escaneig->PuntsEscaneig()[ButtonNou], QPoint(448 + 7, 224 + 11));
    }

    void automaticPass_data()
    {
        QTest::addColumn<bool>("menys");
        QTest::addColumn<QList<int>>("parades");
        QList<int> sense;
        for (int i = 1; i < Escaneig::NombrePunts; ++i)
            sense << i;
        QTest::newRow("minus hidden: 13 stops") << false << sense + sense;
        const QList<int> amb = QList<int>{0} + sense;
        QTest::newRow("minus shown: 14 stops") << true << amb + amb;
    }

    void automaticPass()
    {
        QFETCH(bool, menys);
        QFETCH(QList<int>, parades);
        tecles[ButtonMenys]->setVisible(menys);
        escaneig->IniciarEscaneig(10, true, false);
        QVERIFY(escaneig->TimerEscaneig()->isActive());
        QCOMPARE(teclaSotaElPunter(), -1); // the first stop comes one interval later
        for (int esperada : parades) {
            escaneig->TimerEscaneigTimer();
            QCOMPARE(teclaSotaElPunter(), esperada);
        }
    }

    void wrapLooksAtTheMinusKeyThen_data()
    {
        QTest::addColumn<bool>("menysAlPrincipi");
        QTest::addColumn<bool>("menysAlFinal");
        QTest::addColumn<int>("primera");
        QTest::addColumn<int>("despres");
        QTest::newRow("shown, then hidden") << true << false << 0 << 1;
        QTest::newRow("hidden, then shown") << false << true << 1 << 0;
    }

    void wrapLooksAtTheMinusKeyThen()
    {
        QFETCH(bool, menysAlPrincipi);
        QFETCH(bool, menysAlFinal);
        QFETCH(int, primera);
        QFETCH(int, despres);
        tecles[ButtonMenys]->setVisible(menysAlPrincipi);
        escaneig->IniciarEscaneig(10, true, false);
        QCOMPARE(escaneig->PosicioEscaneig(), primera);
        tecles[ButtonMenys]->setVisible(menysAlFinal);
        while (teclaSotaElPunter() != ButtonNou)
            escaneig->TimerEscaneigTimer();
        QCOMPARE(escaneig->PosicioEscaneig(), despres);
    }

    // The main window sets up scanning before it is first shown, too.
    void minusKeyCountsWhileTheWindowIsHidden()
    {
        tecles[ButtonMenys]->show();
        finestra->hide();
        escaneig->IniciarEscaneig(10, true, false);
        QCOMPARE(escaneig->PosicioEscaneig(), ButtonMenys);
    }

    void interval_data()
    {
        QTest::addColumn<int>("valor");
        QTest::addColumn<int>("acceleracio");
        QTest::addColumn<int>("ms");
        QTest::newRow("1") << 1 << 1 << 100;
        QTest::newRow("10") << 10 << 1 << 1000;
        QTest::newRow("50") << 50 << 1 << 5000;
        QTest::newRow("10, clock ten times faster") << 10 << 10 << 100;
        QTest::newRow("1, clock far faster") << 1 << 1000 << 1;
    }

    void interval()
    {
        QFETCH(int, valor);
        QFETCH(int, acceleracio);
        QFETCH(int, ms);
        Rellotge::setAcceleracio(acceleracio);
        escaneig->IniciarEscaneig(valor, false, false);
        QCOMPARE(escaneig->TimerEscaneig()->interval(), ms);
        QVERIFY(!escaneig->TimerEscaneig()->isActive());
    }

    void timerTicksMove()
    {
        Rellotge::setAcceleracio(100); // 10 program seconds in 100 ms
        escaneig->IniciarEscaneig(10, true, false);
        QTRY_COMPARE_WITH_TIMEOUT(teclaSotaElPunter(), 2, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(teclaSotaElPunter(), 3, 5000);
    }

    void sameIntervalKeepsThePeriod()
    {
        QTimer *timer = escaneig->TimerEscaneig();
        escaneig->IniciarEscaneig(50, true, false);
        const int inici = timer->remainingTime();
        QTRY_VERIFY(timer->remainingTime() <= inici - 30);

        escaneig->IniciarEscaneig(50, true, false);
        QVERIFY2(timer->remainingTime() <= inici - 30, "the period must go on");
        QVERIFY(timer->isActive());

        escaneig->IniciarEscaneig(49, true, false);
        QVERIFY2(timer->remainingTime() > 4900 - 30, "a new interval starts a new period");
    }

    void directedPass_data()
    {
        QTest::addColumn<bool>("menys");
        QTest::addColumn<int>("primera");
        QTest::newRow("minus hidden") << false << 1;
        QTest::newRow("minus shown") << true << 0;
    }

    // Every right press moves on one key, whichever key received it.
    void directedPass()
    {
        QFETCH(bool, menys);
        QFETCH(int, primera);
        tecles[ButtonMenys]->setVisible(menys);
        dirigit = true;
        escaneig->IniciarEscaneig(10, false, true);
        QCOMPARE(teclaSotaElPunter(), primera);
        QVERIFY(!escaneig->TimerEscaneig()->isActive());
        for (int esperada = primera + 1; esperada < Escaneig::NombrePunts; ++esperada) {
            premerDreta(tecles[(esperada * 5) % Escaneig::NombrePunts]);
            QCOMPARE(teclaSotaElPunter(), esperada);
        }
        premerDreta(tecles[Button7]);
        QCOMPARE(teclaSotaElPunter(), primera);
    }

    void directedRightPressOnSevenWhileOnThree()
    {
        dirigit = true;
        escaneig->IniciarEscaneig(10, false, true);
        while (teclaSotaElPunter() != Button3)
            premerDreta(tecles[ButtonNou]);
        QSignalSpy clics(qobject_cast<QPushButton *>(tecles[Button7]), &QPushButton::clicked);
        premerDreta(tecles[Button7]);
        QCOMPARE(teclaSotaElPunter(), Button4);
        // A quick second press reaches the key as a double click alone (that
        // is what the X11 window system delivers); it is a press all the same.
        QTest::mouseDClick(tecles[Button7], Qt::RightButton);
        QCOMPARE(teclaSotaElPunter(), Button4 + 1);
        QCOMPARE(clics.count(), 0);
    }

    void rightPressStopsAutomaticScan()
    {
        escaneig->IniciarEscaneig(10, true, false);
        escaneig->TimerEscaneigTimer();
        escaneig->TimerEscaneigTimer();
        QSignalSpy clics(qobject_cast<QPushButton *>(tecles[2]), &QPushButton::clicked);
        premerDreta(tecles[2]);
        QVERIFY(!escaneig->TimerEscaneig()->isActive());
        QVERIFY(escaneig->Marc()->isHidden());
        QCOMPARE(teclaSotaElPunter(), 2);
        QCOMPARE(clics.count(), 0);
        // Only a new set-up with automatic scanning ticked starts it again.
        premerDreta(tecles[2]);
        QVERIFY(!escaneig->TimerEscaneig()->isActive());
        escaneig->IniciarEscaneig(10, true, false);
        QVERIFY(escaneig->TimerEscaneig()->isActive());
    }

    void leftPressWorksTheKeyAndTheScanGoesOn_data()
    {
        QTest::addColumn<bool>("dirigitMarcat");
        QTest::newRow("automatic") << false;
        QTest::newRow("directed") << true;
    }

    void leftPressWorksTheKeyAndTheScanGoesOn()
    {
        QFETCH(bool, dirigitMarcat);
        dirigit = dirigitMarcat;
        escaneig->IniciarEscaneig(10, !dirigitMarcat, dirigitMarcat);
        for (int i = 0; i < 3; ++i)
            escaneig->TimerEscaneigTimer();
        const int sota = teclaSotaElPunter();
        const int posicio = escaneig->PosicioEscaneig();
        auto *tecla = qobject_cast<QPushButton *>(tecles[sota]);
        QSignalSpy clics(tecla, &QPushButton::clicked);
        QTest::mouseClick(tecla, Qt::LeftButton);
        QCOMPARE(clics.count(), 1);
        QCOMPARE(escaneig->PosicioEscaneig(), posicio);
        QCOMPARE(escaneig->TimerEscaneig()->isActive(), !dirigitMarcat);
        escaneig->TimerEscaneigTimer();
        QCOMPARE(teclaSotaElPunter(), sota + 1);
    }

    void rightPressAwayFromTheKeys_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("dirigitMarcat");
        for (const char *nom : {"LabelOperacio", "EditResultat", "Panel"}) {
            QTest::newRow(qPrintable(QString(nom) + ", automatic")) << QString(nom) << false;
            QTest::newRow(qPrintable(QString(nom) + ", directed")) << QString(nom) << true;
        }
    }

    void rightPressAwayFromTheKeys()
    {
        QFETCH(QString, nom);
        QFETCH(bool, dirigitMarcat);
        dirigit = dirigitMarcat;
        escaneig->IniciarEscaneig(10, !dirigitMarcat, dirigitMarcat);
        escaneig->TimerEscaneigTimer();
        const QPoint abans = QCursor::pos();
        auto *lloc = finestra->findChild<QWidget *>(nom);
        QVERIFY(lloc);
        // The panel's centre lies on a key: the press goes to a bare spot.
        premerDreta(lloc, lloc == panell ? lluny() : QPoint());
        QCOMPARE(QCursor::pos(), abans);
        QCOMPARE(escaneig->TimerEscaneig()->isActive(), !dirigitMarcat);
        QVERIFY(escaneig->Marc()->isVisible());
    }

    void rightPressOnADisabledKeyChangesNothing()
    {
        dirigit = true;
        escaneig->IniciarEscaneig(10, false, true);
        tecles[11]->setEnabled(false);
        premerDreta(tecles[11]);
        QCOMPARE(teclaSotaElPunter(), 1);
    }

    void leftPressAwayWorksTheFramedKey_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QPoint>("lloc");
        QTest::addColumn<bool>("dirigitMarcat");
        const std::pair<const char *, QPoint> llocs[] = {
            {"LabelOperacio", {5, 5}}, {"EditResultat", {20, 20}}, {"Panel", lluny()}};
        for (const auto &[nom, lloc] : llocs) {
            QTest::newRow(qPrintable(QString(nom) + ", automatic")) << QString(nom) << lloc << false;
            QTest::newRow(qPrintable(QString(nom) + ", directed")) << QString(nom) << lloc << true;
        }
    }

    void leftPressAwayWorksTheFramedKey()
    {
        QFETCH(QString, nom);
        QFETCH(QPoint, lloc);
        QFETCH(bool, dirigitMarcat);
        enmarcarButton2(dirigitMarcat);
        QVERIFY(!escaneig->SeguirMarc());
        const int posicio = escaneig->PosicioEscaneig();
        const QPoint abans = QCursor::pos();
        QTest::mouseClick(finestra->findChild<QWidget *>(nom), Qt::LeftButton, {}, lloc);
        QCOMPARE(clicats, QList<int>{Button2});
        QCOMPARE(resposta->text(), QString());
        // The scan goes on from where it was.
        QCOMPARE(escaneig->PosicioEscaneig(), posicio);
        QCOMPARE(escaneig->TimerEscaneig()->isActive(), !dirigitMarcat);
        QCOMPARE(QCursor::pos(), abans);
        // A quick second press is one more selection.
        QTest::mouseDClick(panell, Qt::LeftButton, {}, lluny());
        QCOMPARE(clicats, QList<int>({Button2, Button2}));
    }

    void leftPressAwayWithoutARunningScan_data()
    {
        QTest::addColumn<int>("estat");
        QTest::newRow("off") << 0;
        QTest::newRow("automatic, before its first step") << 1;
        QTest::newRow("automatic, stopped by a right press") << 2;
    }

    void leftPressAwayWithoutARunningScan()
    {
        QFETCH(int, estat);
        escaneig->IniciarEscaneig(10, estat > 0, false);
        if (estat == 2) {
            escaneig->TimerEscaneigTimer();
            premerDreta(tecles[Button7]);
        }
        QTest::mouseClick(panell, Qt::LeftButton, {}, lluny());
        QTest::mouseClick(resposta, Qt::LeftButton);
        QVERIFY(clicats.isEmpty());
        // The keys work as ever.
        QTest::mouseClick(tecles[Button7], Qt::LeftButton);
        QCOMPARE(clicats, QList<int>{Button7});
    }

    // The teacher's mouse still opens the options window on the picture
    // button, and presses on the keys work the key pressed.
    void buttonsKeepTheirClickWhileTheScanRuns()
    {
        enmarcarButton2(false);
        QSignalSpy menu(botoMenu, &QToolButton::clicked);
        QTest::mouseClick(botoMenu, Qt::LeftButton);
        QCOMPARE(menu.count(), 1);
        QTest::mouseClick(tecles[Button7], Qt::LeftButton);
        QCOMPARE(clicats, QList<int>{Button7});
    }

    void leftSwitchOnADisabledOrHiddenKey()
    {
        enmarcarButton2(true);
        tecles[Button2]->setEnabled(false);
        QTest::mouseClick(panell, Qt::LeftButton, {}, lluny());
        QTest::keyClick(resposta, Qt::Key_Space);
        tecles[Button2]->setEnabled(true);
        tecles[Button2]->hide();
        QTest::mouseClick(panell, Qt::LeftButton, {}, lluny());
        QVERIFY(clicats.isEmpty());
    }

    // Where pointer moves are refused, presses anywhere over the window act
    // on the framed key, even with the pointer resting on another key.
    void refusedPointerTheFrameLeads_data()
    {
        QTest::addColumn<bool>("dirigitMarcat");
        QTest::newRow("automatic") << false;
        QTest::newRow("directed") << true;
    }

    void refusedPointerTheFrameLeads()
    {
        QFETCH(bool, dirigitMarcat);
        refusarMoviments();
        const QPoint abans = QCursor::pos();
        dirigit = dirigitMarcat;
        escaneig->IniciarEscaneig(10, !dirigitMarcat, dirigitMarcat);
        if (!dirigitMarcat)
            escaneig->TimerEscaneigTimer();
        QVERIFY(escaneig->SeguirMarc());
        QCOMPARE(escaneig->TeclaEnmarcada(), tecles[1]);
        // Directed: right presses away from the keys move the frame on.
        if (dirigitMarcat) {
            premerDreta(panell, lluny());
            premerDreta(resposta);
        } else {
            escaneig->TimerEscaneigTimer();
            escaneig->TimerEscaneigTimer();
        }
        QCOMPARE(escaneig->TeclaEnmarcada(), tecles[Button2]);
        QTest::mouseClick(tecles[Button7], Qt::LeftButton);
        QTest::mouseClick(panell, Qt::LeftButton, {}, lluny());
        QTest::mouseClick(botoMenu, Qt::LeftButton);
        QCOMPARE(clicats, QList<int>({Button2, Button2, Button2}));
        QCOMPARE(QCursor::pos(), abans);

        premerDreta(panell, lluny());
        if (dirigitMarcat) {
            QCOMPARE(escaneig->TeclaEnmarcada(), tecles[Button3]);
            return;
        }
        // Automatic: the right press stopped the scan; the keys are keys again.
        QVERIFY(!escaneig->EnCurs());
        QVERIFY(!escaneig->TimerEscaneig()->isActive());
        QVERIFY(escaneig->Marc()->isHidden());
        QTest::mouseClick(panell, Qt::LeftButton, {}, lluny());
        QTest::mouseClick(tecles[Button7], Qt::LeftButton);
        QCOMPARE(clicats, QList<int>({Button2, Button2, Button2, Button7}));
    }

    void pointerThatFollowsClearsTheFlag()
    {
        refusarMoviments();
        escaneig->IniciarEscaneig(10, true, false);
        escaneig->TimerEscaneigTimer();
        QVERIFY(escaneig->SeguirMarc());
        escaneig->setMourePunter([](const QPoint &global) { QCursor::setPos(global); });
        escaneig->TimerEscaneigTimer();
        QVERIFY(!escaneig->SeguirMarc());
        QCOMPARE(teclaSotaElPunter(), Button1);
    }

    // A pointer that rests on a key's centre says nothing when the scan
    // reaches that key: the frame still leads.
    void refusedPointerRestingOnAKey()
    {
        refusarMoviments();
        QCursor::setPos(finestra->mapToGlobal(escaneig->PuntsEscaneig()[Button2]));
        escaneig->IniciarEscaneig(10, true, false);
        for (int pas = 0; pas < 3; ++pas) {
            escaneig->TimerEscaneigTimer();
            QVERIFY(escaneig->SeguirMarc());
        }
        // The third step framed the key under the pointer.
        QCOMPARE(escaneig->TeclaEnmarcada(), tecles[Button2]);
    }

    // Space is the left switch and Enter the right one while a scan runs,
    // wherever the keyboard focus stands.
    void switchKeys_data()
    {
        QTest::addColumn<bool>("dirigitMarcat");
        QTest::addColumn<bool>("refusat");
        QTest::addColumn<int>("tecla");
        for (const bool refusat : {false, true})
            for (const int tecla : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
                const QString nom = QString(refusat ? "pointer refused" : "pointer moves") +
                                    (tecla == Qt::Key_Enter ? ", keypad Enter" : "");
                QTest::newRow(qPrintable("automatic, " + nom)) << false << refusat << tecla;
                QTest::newRow(qPrintable("directed, " + nom)) << true << refusat << tecla;
            }
    }

    void switchKeys()
    {
        QFETCH(bool, dirigitMarcat);
        QFETCH(bool, refusat);
        QFETCH(int, tecla);
        const auto entrar = Qt::Key(tecla);
        if (refusat)
            refusarMoviments();
        dirigit = dirigitMarcat;
        escaneig->IniciarEscaneig(10, !dirigitMarcat, dirigitMarcat);
        if (!dirigitMarcat)
            escaneig->TimerEscaneigTimer();
        QSignalSpy retorn(resposta, &QLineEdit::returnPressed);
        if (dirigitMarcat)
            QTest::keyClick(resposta, entrar);
        else
            escaneig->TimerEscaneigTimer();
        QCOMPARE(escaneig->TeclaEnmarcada(), tecles[Button1]);
        QTest::keyClick(resposta, Qt::Key_Space);
        QCOMPARE(clicats, QList<int>{Button1});
        QCOMPARE(resposta->text(), QString());
        // The focus on a key changes nothing: Space works the framed key.
        tecles[Button7]->setFocus();
        QTest::keyClick(tecles[Button7], Qt::Key_Space);
        QCOMPARE(clicats, QList<int>({Button1, Button1}));

        QTest::keyClick(resposta, entrar);
        QCOMPARE(retorn.count(), 0);
        if (dirigitMarcat) {
            QCOMPARE(escaneig->TeclaEnmarcada(), tecles[Button2]);
            return;
        }
        QVERIFY(!escaneig->TimerEscaneig()->isActive());
        // Stopped: both keys have their usual meaning again.
        QTest::keyClick(resposta, entrar);
        QCOMPARE(retorn.count(), 1);
        QTest::keyClick(resposta, Qt::Key_Space);
        QCOMPARE(resposta->text(), QStringLiteral(" "));
        QCOMPARE(clicats.size(), 2);
    }

    void switchKeysOutsideScanning()
    {
        escaneig->IniciarEscaneig(10, false, false);
        QSignalSpy retorn(resposta, &QLineEdit::returnPressed);
        QTest::keyClicks(resposta, "5 ");
        QTest::keyClick(resposta, Qt::Key_Return);
        QCOMPARE(resposta->text(), QStringLiteral("5 "));
        QCOMPARE(retorn.count(), 1);
        QVERIFY(clicats.isEmpty());
    }

    // A switch held down repeats its key: one press is one selection.
    void heldSwitchKeySelectsOnce()
    {
        enmarcarButton2(true);
        QTest::keyPress(resposta, Qt::Key_Space);
        for (int i = 0; i < 3; ++i) {
            QKeyEvent repeticio(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
            QApplication::sendEvent(resposta, &repeticio);
        }
        QTest::keyRelease(resposta, Qt::Key_Space);
        QCOMPARE(clicats, QList<int>{Button2});
        QCOMPARE(resposta->text(), QString());
    }

    void framedKeySignal()
    {
        QSignalSpy enmarcades(escaneig, &Escaneig::Enmarcada);
        enmarcarButton2(false);
        QCOMPARE(enmarcades.count(), 3);
        QCOMPARE(enmarcades.last().at(0).value<QWidget *>(), tecles[Button2]);
    }

    void movedWindow()
    {
        escaneig->IniciarEscaneig(10, true, false);
        escaneig->TimerEscaneigTimer();
        const QPoint origen = finestra->mapToGlobal(QPoint(0, 0));
        finestra->move(finestra->pos() + QPoint(37, 23));
        QTRY_COMPARE(finestra->mapToGlobal(QPoint(0, 0)), origen + QPoint(37, 23));
        escaneig->TimerEscaneigTimer();
        QCOMPARE(QCursor::pos(), finestra->mapToGlobal(QPoint(164, 304)));
    }

    // Every set-up starts the pass again; one without automatic scanning
    // stops a scan that is still running.
    void setupAfterARunningScan_data()
    {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<bool>("dirigitMarcat");
        QTest::addColumn<int>("sota");
        QTest::newRow("off") << false << false << 3;
        QTest::newRow("directed") << false << true << 1;
        QTest::newRow("automatic") << true << false << 3;
    }

    void setupAfterARunningScan()
    {
        QFETCH(bool, automatic);
        QFETCH(bool, dirigitMarcat);
        QFETCH(int, sota);
        escaneig->IniciarEscaneig(10, true, false);
        for (int i = 0; i < 3; ++i)
            escaneig->TimerEscaneigTimer();
        escaneig->IniciarEscaneig(10, automatic, dirigitMarcat);
        QCOMPARE(escaneig->TimerEscaneig()->isActive(), automatic);
        QCOMPARE(teclaSotaElPunter(), sota);
        QCOMPARE(escaneig->Marc()->isVisible(), dirigitMarcat);
        QCOMPARE(escaneig->PosicioEscaneig(), dirigitMarcat ? 2 : 1);
    }

    void frameFollowsTheKey()
    {
        auto *timer = finestra->findChild<QTimer *>("TimerEscaneig");
        QCOMPARE(timer, escaneig->TimerEscaneig());
        QVERIFY(!timer->isActive());
        MarcEscaneig *marc = escaneig->Marc();
        QVERIFY(marc->isHidden());
        escaneig->IniciarEscaneig(1, true, false);
        QVERIFY(marc->isHidden());
        for (int i = 1; i < Escaneig::NombrePunts; ++i) {
            escaneig->TimerEscaneigTimer();
            const QRect tecla(tecles[i]->mapTo(finestra.get(), QPoint(0, 0)), tecles[i]->size());
            QVERIFY(marc->isVisible());
            QCOMPARE(marc->geometry(), tecla.adjusted(-6, -6, 6, 6));
            // A ring around the key: nothing of the key is covered.
            QVERIFY(!marc->mask().intersects(tecla.translated(-marc->pos())));
            // Presses on the ring reach what lies below it.
            QCOMPARE(finestra->childAt(tecla.left() - 3, tecla.center().y()), panell);
            const QImage imatge = finestra->grab().toImage();
            QCOMPARE(imatge.pixelColor(tecla.left() - 6, tecla.center().y()), QColor(Qt::black));
            QCOMPARE(imatge.pixelColor(tecla.left() - 1, tecla.center().y()), QColor(Qt::yellow));
            QVERIFY(imatge.pixelColor(tecla.center()) != QColor(Qt::yellow));
        }
        escaneig->IniciarEscaneig(1, false, false);
        QVERIFY(marc->isHidden());
    }
};

QTEST_MAIN(TestEscaneig)
#include "tst_escaneig.moc"
