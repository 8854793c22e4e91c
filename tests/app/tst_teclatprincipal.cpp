#include "../speech/VeuFalsa.h"
#include "EscoltaAccessible.h"
#include "Escaneig.h"
#include "Finestres.h"
#include "ModalHelper.h"
#include "Tabular.h"

#include <QToolButton>
#include <QtTest>

// The main window worked from the keyboard: Enter on a key, digits typed
// anywhere, the picture button by Tab, and the key that says the counters.
class TestTeclatPrincipal : public QObject
{
    Q_OBJECT

    std::shared_ptr<ConfiguracioVeuFalsa> veu;

    // The main window on show and active, a question asked, the focus in
    // the answer box.
    static void Preparar(Finestres &f, const QString &pregunta = QStringLiteral("3 x 4"))
    {
        f.principal.show();
        QVERIFY(Activar(&f.principal));
        f.pregunta(pregunta);
        f.ui().EditResultat->setFocus();
    }

private slots:
    void init()
    {
        veu = VeuFalsa::RegistrarEscriptori({QStringLiteral("Veu de prova|ca"), QStringLiteral("Voz de prueba|es")});
    }

    void enterPressesTheFocusedKey_data()
    {
        QTest::addColumn<QString>("escrit");
        QTest::addColumn<QString>("tecla");
        QTest::addColumn<int>("enter");
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<int>("correctes");
        QTest::addColumn<int>("preguntes");
        QTest::newRow("digit, Return") << "1" << "Button3" << int(Qt::Key_Return) << "13" << 0 << 0;
        QTest::newRow("digit, keypad Enter") << "" << "Button9" << int(Qt::Key_Enter) << "9" << 0 << 0;
        QTest::newRow("D'acord, Return") << "12" << "BitBtnDAcord" << int(Qt::Key_Return) << "" << 1 << 1;
        QTest::newRow("D'acord, keypad Enter") << "13" << "BitBtnDAcord" << int(Qt::Key_Enter) << "" << 0 << 1;
        QTest::newRow("Esborrar, Return") << "45" << "ButtonEsborrar" << int(Qt::Key_Return) << "" << 0 << 0;
        QTest::newRow("Nova pregunta, Return") << "" << "ButtonNou" << int(Qt::Key_Return) << "" << 0 << 1;
        QTest::newRow("answer box, Return") << "12" << "EditResultat" << int(Qt::Key_Return) << "" << 1 << 1;
    }

    // Tab to the key, press Enter: the key works as with Space.
    void enterPressesTheFocusedKey()
    {
        QFETCH(QString, escrit);
        QFETCH(QString, tecla);
        QFETCH(int, enter);
        QFETCH(QString, resposta);
        QFETCH(int, correctes);
        QFETCH(int, preguntes);
        Finestres f;
        Preparar(f);
        QTest::keyClicks(f.ui().EditResultat, escrit);
        auto *control = f.principal.findChild<QWidget *>(tecla);
        QVERIFY(TabularFins(&f.principal, control));
        QTest::keyClick(control, Qt::Key(enter));
        QCOMPARE(f.principal.NombreCorrectes, correctes);
        QCOMPARE(f.principal.NombrePreguntes, preguntes);
        if (preguntes == 0)
            QCOMPARE(f.ui().EditResultat->text(), resposta);
    }

    // While a directed scan runs, Enter is the right switch wherever the
    // focus is: it moves the frame and works no key.
    void enterStaysTheSwitchWhileScanning()
    {
        Finestres f;
        Preparar(f);
        f.opcions.ui->CheckBoxEscaneigDirigit->setChecked(true);
        f.principal.IniciarEscaneig();
        ::Escaneig &escaneig = f.principal.escaneig();
        QWidget *primera = escaneig.TeclaEnmarcada();
        QVERIFY(primera);
        QTest::keyClick(FocusDe(&f.principal), Qt::Key_Return);
        QTRY_VERIFY(escaneig.TeclaEnmarcada() != primera);
        QCOMPARE(f.ui().EditResultat->text(), QString());
        QCOMPARE(f.principal.NombrePreguntes, 0);
    }

    void digitsGoToTheAnswer_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QList<int>>("tecles");
        QTest::addColumn<QString>("resposta");
        const QList<int> setze{Qt::Key_1, Qt::Key_6};
        const QList<int> esborrar{Qt::Key_4, Qt::Key_2, Qt::Key_Backspace};
        const QList<int> negatiu{Qt::Key_Minus, Qt::Key_5};
        for (const char *focus : {"Button3", "BitBtnDAcord", "ButtonNou", "CheckBoxNoVeure", "SpeedButtonMenu"}) {
            QTest::addRow("%s: 16", focus) << focus << setze << "16";
            QTest::addRow("%s: 42, Backspace", focus) << focus << esborrar << "4";
            QTest::addRow("%s: -5", focus) << focus << negatiu << "-5";
        }
    }

    // Tab to a key, type: the digits land in the answer box, which takes
    // the focus, as if they had been typed there.
    void digitsGoToTheAnswer()
    {
        QFETCH(QString, focus);
        QFETCH(QList<int>, tecles);
        QFETCH(QString, resposta);
        Finestres f;
        Preparar(f);
        auto *control = f.principal.findChild<QWidget *>(focus);
        QVERIFY(TabularFins(&f.principal, control));
        for (const int tecla : tecles)
            QTest::keyClick(FocusDe(&f.principal), Qt::Key(tecla));
        QCOMPARE(f.ui().EditResultat->text(), resposta);
        QCOMPARE(FocusDe(&f.principal), f.ui().EditResultat);
        QCOMPARE(f.principal.NombrePreguntes, 0);
    }

    // Keypad digits too; a digit with Ctrl is no digit.
    void keypadDigitsAndModifiers()
    {
        Finestres f;
        Preparar(f);
        QVERIFY(TabularFins(&f.principal, f.ui().Button7));
        QTest::keyClick(f.ui().Button7, Qt::Key_8, Qt::KeypadModifier);
        QCOMPARE(f.ui().EditResultat->text(), QStringLiteral("8"));
        QVERIFY(TabularFins(&f.principal, f.ui().Button7));
        QTest::keyClick(f.ui().Button7, Qt::Key_5, Qt::ControlModifier);
        QCOMPARE(f.ui().EditResultat->text(), QStringLiteral("8"));
    }

    void pictureButtonIsATabStop_data()
    {
        QTest::addColumn<int>("tecla");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }

    // Tab reaches the picture button, whose name a screen reader says, and
    // a key press there opens the options window.
    void pictureButtonIsATabStop()
    {
        QFETCH(int, tecla);
        Finestres f;
        Preparar(f);
        QToolButton *boto = f.ui().SpeedButtonMenu;
        QVERIFY(TabularFins(&f.principal, boto));
        QAccessibleInterface *interficie = QAccessible::queryAccessibleInterface(boto);
        QVERIFY(interficie->state().focused);
        QCOMPARE(interficie->text(QAccessible::Name), QStringLiteral("Opcions"));
        auto vist = RespondreModal<TFormTTS>();
        QTest::keyClick(boto, Qt::Key(tecla));
        QVERIFY(*vist);
        // A click still leaves the focus where it was.
        QCOMPARE(boto->focusPolicy(), Qt::TabFocus);
    }

    void countersKey_data()
    {
        QTest::addColumn<Llengua>("llengua");
        QTest::addColumn<QString>("joc");
        QTest::addColumn<bool>("llegir");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("esperat");
        QTest::newRow("drill, answer box") << Llengua::Catala << "" << false << "EditResultat"
                                           << "Preguntes: 2, Correctes: 1";
        QTest::newRow("drill, a key, read aloud") << Llengua::Catala << "" << true << "Button4"
                                                  << "Preguntes: 2, Correctes: 1";
        QTest::newRow("drill, Spanish") << Llengua::Castella << "" << true << "ButtonNou"
                                        << "Preguntas: 2, Correctas: 1";
        QTest::newRow("60 seconds") << Llengua::Catala << "joc1" << true << "EditResultat"
                                    << "Preguntes: 0, Correctes: 0, Temps: %1 segons";
        QTest::newRow("race, Spanish") << Llengua::Castella << "joc2" << false << "Button1"
                                       << "Preguntas: 0, Correctas: 0, Tiempo: %1 segundos";
    }

    // F9 says the counters, and during a game the clock, to the screen
    // reader as a notice, and with "Llegir resultat" with the voice too.
    void countersKey()
    {
        QFETCH(Llengua, llengua);
        QFETCH(QString, joc);
        QFETCH(bool, llegir);
        QFETCH(QString, focus);
        QFETCH(QString, esperat);
        // The games' clocks tick each real second here: the test reads them.
        Rellotge::setAcceleracio(1);
        Finestres f(llengua);
        f.opcions.ui->CheckBoxLlegirResultat->setChecked(llegir);
        Preparar(f);
        if (joc.isEmpty()) {
            QTest::keyClicks(f.ui().EditResultat, "12");
            QTest::keyClick(f.ui().EditResultat, Qt::Key_Return);
            // The second question is drawn at random: no table's answer is 99.
            QTest::keyClicks(f.ui().EditResultat, "99");
            QTest::keyClick(f.ui().EditResultat, Qt::Key_Return);
        } else {
            RespondreModal<TFormJocs>();
            if (joc == QLatin1String("joc1"))
                f.principal.MenuFerElMaximDOperacionsClick();
            else
                f.principal.MenuContraRellotgeClick();
            QVERIFY(f.ui().LabelCompteEnrera->isVisible());
            esperat = esperat.arg(f.ui().LabelCompteEnrera->text());
        }
        QVERIFY(Activar(&f.principal));
        auto *control = f.principal.findChild<QWidget *>(focus);
        QVERIFY(TabularFins(&f.principal, control));
        QTest::qWait(1); // the last question is said
        EscoltaAccessible escolta;
        veu->registre.clear();
        QTest::keyClick(control, Qt::Key_F9);
        QTRY_VERIFY(!escolta.dit.isEmpty());
        QTest::qWait(1);
        QCOMPARE(escolta.dit, QStringList{esperat});
        QCOMPARE(veu->dit(), llegir ? QStringList{f.principal.FormaParlada(esperat) + " 1"}
                                    : QStringList{});
        // Nothing else happened: the focus stayed, no answer was typed.
        QCOMPARE(FocusDe(&f.principal), control);
        f.principal.AturarJocs();
    }

    void countersNameTheirKey_data()
    {
        QTest::addColumn<Llengua>("llengua");
        QTest::newRow("Catalan") << Llengua::Catala;
        QTest::newRow("Spanish") << Llengua::Castella;
    }

    // The hint of the counters names the key; the clock is named by what
    // it is and has its number as its value.
    void countersNameTheirKey()
    {
        QFETCH(Llengua, llengua);
        Finestres f(llengua);
        for (QLabel *comptador : {f.ui().LabelPreguntes, f.ui().LabelCorrectes})
            QVERIFY2(comptador->toolTip().startsWith(QStringLiteral("F9 ")),
                     qPrintable(comptador->toolTip()));
        RespondreModal<TFormJocs>();
        f.principal.MenuFerElMaximDOperacionsClick();
        QAccessibleInterface *rellotge = QAccessible::queryAccessibleInterface(f.ui().LabelCompteEnrera);
        const QString nom = llengua == Llengua::Catala ? QStringLiteral("Temps") : QStringLiteral("Tiempo");
        QCOMPARE(rellotge->text(QAccessible::Name), nom + QStringLiteral(": ") + f.ui().LabelCompteEnrera->text());
        QCOMPARE(rellotge->text(QAccessible::Value), f.ui().LabelCompteEnrera->text());
        f.principal.AturarJocs();
    }
};

QTEST_MAIN(TestTeclatPrincipal)
#include "tst_teclatprincipal.moc"
