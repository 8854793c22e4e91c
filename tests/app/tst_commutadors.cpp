#include "../speech/VeuFalsa.h"
#include "Escaneig.h"
#include "Finestres.h"
#include "ModalHelper.h"

#include <QtTest>

// Switch access to the real main window on a desktop that refuses to move
// the pointer, as Wayland ones do: the learner follows the scanning frame
// and answers with presses away from the keys, or with Space and Enter.
class TestCommutadors : public QObject
{
    Q_OBJECT

    std::shared_ptr<ConfiguracioVeuFalsa> veu;

    // A click on the box's indicator, which every caption leaves in place.
    static void marcar(QCheckBox *casella)
    {
        QTest::mouseClick(casella, Qt::LeftButton, {}, QPoint(8, casella->height() / 2));
    }

    // Leaves the options window with the given scanning boxes ticked by
    // clicks, as the teacher does; the drill starts again.
    static void triarEscaneig(Finestres &f, bool automatic, bool dirigit)
    {
        RespondreModal<TFormTTS>([&](QWidget *) {
            auto &o = *f.opcions.ui;
            if (o.CheckBoxEscaneig->isChecked() != automatic)
                marcar(o.CheckBoxEscaneig);
            if (o.CheckBoxEscaneigDirigit->isChecked() != dirigit)
                marcar(o.CheckBoxEscaneigDirigit);
            QTest::mouseClick(o.BitBtnDAcord, Qt::LeftButton);
        });
        f.principal.SpeedButtonMenuClick();
    }

    // A spot of the main window's panel away from every control.
    static QPoint lluny() { return {450, 140}; }

    struct Commutadors {
        Finestres &f;
        bool perTeclat;

        QWidget *focus() const
        {
            QWidget *w = f.principal.focusWidget();
            return w ? w : f.ui().EditResultat;
        }
        void esquerre() const
        {
            if (perTeclat)
                QTest::keyClick(focus(), Qt::Key_Space);
            else
                QTest::mouseClick(f.ui().Panel, Qt::LeftButton, {}, lluny());
        }
        void dret() const
        {
            if (perTeclat) {
                QTest::keyClick(focus(), Qt::Key_Return);
                return;
            }
            QTest::mousePress(f.ui().Panel, Qt::RightButton, {}, lluny());
            QTest::mouseRelease(f.ui().Panel, Qt::RightButton, {}, lluny());
        }
    };

    // Brings the frame onto `tecla`: scan steps or right switches.
    static bool anarA(Finestres &f, const Commutadors &c, bool dirigit, QWidget *tecla)
    {
        for (int pas = 0; pas < 2 * Escaneig::NombrePunts; ++pas) {
            if (f.principal.escaneig().TeclaEnmarcada() == tecla)
                return true;
            if (dirigit)
                c.dret();
            else
                f.principal.escaneig().TimerEscaneigTimer();
        }
        return false;
    }

private slots:
    void init()
    {
        veu = VeuFalsa::RegistrarEscriptori({QStringLiteral("Veu de prova|ca"), QStringLiteral("Voz de prueba|es")});
    }

    void answerByFollowingTheFrame_data()
    {
        QTest::addColumn<bool>("dirigit");
        QTest::addColumn<bool>("perTeclat");
        QTest::newRow("automatic, presses away from the keys") << false << false;
        QTest::newRow("directed, presses away from the keys") << true << false;
        QTest::newRow("automatic, Space and Enter") << false << true;
        QTest::newRow("directed, Space and Enter") << true << true;
    }

    void answerByFollowingTheFrame()
    {
        QFETCH(bool, dirigit);
        QFETCH(bool, perTeclat);
        Finestres f;
        f.principal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.principal));
        f.principal.escaneig().setMourePunter([](const QPoint &) {});
        // The pointer rests on key "7", where the learner's presses land.
        const QPoint punter = f.principal.mapToGlobal(f.principal.escaneig().PuntsEscaneig()[8]);
        QCursor::setPos(punter);
        triarEscaneig(f, !dirigit, dirigit);
        QVERIFY(f.principal.escaneig().EnCurs());
        const Commutadors c{f, perTeclat};

        const QString resposta = f.principal.RespostaEsperada();
        QVERIFY(!resposta.isEmpty());
        for (const QChar xifra : resposta) {
            QWidget *tecla = f.principal.findChild<QWidget *>(QStringLiteral("Button") + xifra);
            QVERIFY(anarA(f, c, dirigit, tecla));
            c.esquerre();
        }
        QCOMPARE(f.ui().EditResultat->text(), resposta);
        QVERIFY(f.principal.escaneig().SeguirMarc());
        QVERIFY(anarA(f, c, dirigit, f.ui().BitBtnDAcord));
        c.esquerre();
        QCOMPARE(f.principal.NombrePreguntes, 1);
        QCOMPARE(f.principal.NombreCorrectes, 1);
        QCOMPARE(QCursor::pos(), punter);

        // The right switch: automatic scanning stops, directed moves on.
        QWidget *abans = f.principal.escaneig().TeclaEnmarcada();
        c.dret();
        QCOMPARE(f.principal.escaneig().EnCurs(), dirigit);
        QCOMPARE(f.principal.escaneig().TimerEscaneig()->isActive(), false);
        QVERIFY(f.principal.escaneig().TeclaEnmarcada() != abans);
        if (dirigit)
            return;
        // Stopped: Enter in the answer box is "D'acord" again.
        f.ui().EditResultat->setText(f.principal.RespostaEsperada());
        QTest::keyClick(f.ui().EditResultat, Qt::Key_Return);
        QCOMPARE(f.principal.NombreCorrectes, 2);
    }

    // Auditory scanning: each step says the framed key's caption, at once,
    // cutting off the one before.
    void keysAreReadAloud_data()
    {
        QTest::addColumn<bool>("castella");
        QTest::addColumn<bool>("menys");
        QTest::addColumn<QStringList>("dit");
        const QStringList digits{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
        QTest::newRow("Catalan") << false << false
                                 << digits +
                                        QStringList{"D'acord", "Esborrar", "Nova pregunta", "0"};
        QTest::newRow("Spanish, minus key shown")
            << true << true
            << QStringList{"menos"} + digits + QStringList{"Aceptar", "Borrar", "Nueva pregunta"};
    }

    void keysAreReadAloud()
    {
        QFETCH(bool, castella);
        QFETCH(bool, menys);
        QFETCH(QStringList, dit);
        Finestres f(castella ? Llengua::Castella : Llengua::Catala);
        QCOMPARE(f.opcions.ui->CheckBoxLlegirTecles->text(),
                 castella ? QStringLiteral("Leer las teclas")
                          : QStringLiteral("Llegir les tecles"));
        marcar(f.opcions.ui->CheckBoxLlegirTecles);
        if (menys) {
            marcar(f.opcions.ui->CheckBoxSecundaria);
            QTest::mouseClick(f.opcions.ui->RadioButtonSE1X, Qt::LeftButton);
        }
        triarEscaneig(f, true, false);
        veu->registre.clear();
        for (int i = 0; i < dit.size(); ++i)
            f.principal.escaneig().TimerEscaneigTimer();
        QStringList esperat;
        for (const QString &text : dit)
            esperat << text + QStringLiteral(" 3");
        QCOMPARE(veu->dit(), esperat);

        // Unticked, the scan is silent again.
        marcar(f.opcions.ui->CheckBoxLlegirTecles);
        veu->registre.clear();
        f.principal.escaneig().TimerEscaneigTimer();
        QVERIFY(veu->dit().isEmpty());
    }
};

QTEST_MAIN(TestCommutadors)
#include "tst_commutadors.moc"
