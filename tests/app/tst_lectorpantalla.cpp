#include "../speech/VeuFalsa.h"
#include "Arrencada.h"
#include "EscoltaAccessible.h"
#include "Escaneig.h"
#include "Finestres.h"
#include "MarcFocus.h"
#include "ModalHelper.h"
#include "Tabular.h"

#include <QCursor>
#include <QtTest>

// What a screen reader and a screen magnifier get from the main window: each
// result once, the start-up without the splash, and the focus on the key the
// scan frames.
class TestLectorPantalla : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        VeuFalsa::RegistrarEscriptori({QStringLiteral("Veu de prova")});
    }

    void everyResultIsSaidOnce_data()
    {
        QTest::addColumn<Llengua>("llengua");
        QTest::addColumn<QString>("cami");
        QTest::addColumn<QString>("resultat");
        QTest::addColumn<bool>("amagada");
        QTest::newRow("right") << Llengua::Catala << "12" << "3 x 4 = 12, bé" << false;
        QTest::newRow("wrong") << Llengua::Catala << "13" << "3 x 4 = No és correcte" << false;
        QTest::newRow("new question") << Llengua::Catala << "nova" << "3 x 4 = 12" << false;
        QTest::newRow("right, Spanish") << Llengua::Castella << "12" << "3 x 4 = 12, bién" << false;
        QTest::newRow("wrong, Spanish") << Llengua::Castella << "13" << "3 x 4 = No es correcta" << false;
        QTest::newRow("right, question hidden") << Llengua::Catala << "12" << "3 x 4 = 12, bé" << true;
        QTest::newRow("new question, question hidden") << Llengua::Catala << "nova" << "3 x 4 = 12" << true;
    }

    // The answer typed and Enter pressed, or "Nova pregunta" pressed: the
    // result reaches the screen reader once, whether through the question
    // that holds the focus in the pause or through a notice.
    void everyResultIsSaidOnce()
    {
        QFETCH(Llengua, llengua);
        QFETCH(QString, cami);
        QFETCH(QString, resultat);
        QFETCH(bool, amagada);
        Finestres f(llengua);
        f.principal.show();
        QVERIFY(Activar(&f.principal));
        if (amagada)
            QTest::mouseClick(f.ui().CheckBoxNoVeure, Qt::LeftButton, {},
                              QPoint(6, f.ui().CheckBoxNoVeure->height() / 2));
        QCOMPARE(f.ui().LabelOperacio->isVisible(), !amagada);
        f.pregunta(QStringLiteral("3 x 4"));
        EscoltaAccessible escolta;
        if (cami == QLatin1String("nova")) {
            QVERIFY(TabularFins(&f.principal, f.ui().ButtonNou));
            QTest::keyClick(f.ui().ButtonNou, Qt::Key_Space);
        } else {
            f.ui().EditResultat->setFocus();
            QTest::keyClicks(f.ui().EditResultat, cami);
            QTest::keyClick(f.ui().EditResultat, Qt::Key_Return);
        }
        // The question asked next is said once the pause is over.
        QTRY_VERIFY2(escolta.vegades(f.ui().LabelOperacio->text()) >= 1,
                     qPrintable(escolta.dit.join(QStringLiteral(" | "))));
        QVERIFY2(escolta.vegades(resultat) == 1, qPrintable(escolta.dit.join(QStringLiteral(" | "))));
        // The solution is said once too.
        if (cami != QLatin1String("13"))
            QCOMPARE(escolta.vegades(QStringLiteral("3 x 4 = 12")), 1);
        // Once the pause is over the question takes its caption back as its name.
        QCOMPARE(QAccessible::queryAccessibleInterface(f.ui().LabelOperacio)->text(QAccessible::Name),
                 f.ui().LabelOperacio->text());
    }

    void aGameSaysVerdictAndNextQuestionTogether_data()
    {
        QTest::addColumn<Llengua>("llengua");
        QTest::addColumn<QString>("joc");
        QTest::addColumn<QString>("dit");
        QTest::newRow("60 seconds") << Llengua::Catala << "joc1" << "3 x 4 = 12, bé. ";
        QTest::newRow("race to 32, Spanish") << Llengua::Castella << "joc2" << "3 x 4 = 12, bién. ";
    }

    // In a game a right answer moves on at once: the focus stays in the
    // answer box, and one notice says the verdict and the next question.
    void aGameSaysVerdictAndNextQuestionTogether()
    {
        QFETCH(Llengua, llengua);
        QFETCH(QString, joc);
        QFETCH(QString, dit);
        Finestres f(llengua);
        f.principal.show();
        QVERIFY(Activar(&f.principal));
        RespondreModal<TFormJocs>();
        if (joc == QLatin1String("joc1"))
            f.principal.MenuFerElMaximDOperacionsClick();
        else
            f.principal.MenuContraRellotgeClick();
        QVERIFY(Activar(&f.principal));
        QCOMPARE(FocusDe(&f.principal), f.ui().EditResultat);
        QTest::qWait(1);
        f.pregunta(QStringLiteral("3 x 4"));
        EscoltaAccessible escolta;
        QTest::keyClicks(f.ui().EditResultat, QStringLiteral("12"));
        QTest::keyClick(f.ui().EditResultat, Qt::Key_Return);
        QTRY_VERIFY(!escolta.dit.isEmpty());
        QCOMPARE(escolta.dit, QStringList{dit + f.ui().LabelOperacio->text()});
        QVERIFY(escolta.de(QAccessible::Focus).isEmpty());
        QCOMPARE(FocusDe(&f.principal), f.ui().EditResultat);
        QCOMPARE(f.principal.NombreCorrectes, 1);
    }

    // At start-up the learner's first window is the options window: neither
    // the splash nor the main window take the focus before it, and the
    // splash is no dialog to a screen reader.
    void startUpGoesStraightToTheOptions()
    {
        QTemporaryDir carpeta;
        Rellotge::setAcceleracio(20);
        EscoltaAccessible escolta;
        Arrencada a(carpeta.filePath(QStringLiteral("trimbol.ini")));
        bool splashVist = false;
        QList<QWidget *> actives;
        QTimer mirar;
        connect(&mirar, &QTimer::timeout, &mirar, [&] {
            if (a.AboutBox.isVisible()) {
                splashVist = true;
                QCOMPARE(QAccessible::queryAccessibleInterface(&a.AboutBox)->role(),
                         QAccessible::Window);
                QVERIFY(!QAccessible::queryAccessibleInterface(&a.AboutBox)->state().focusable);
            }
            if (QWidget *activa = QApplication::activeWindow(); activa && !actives.contains(activa))
                actives << activa;
        });
        mirar.start(1);
        QObject *primerFocus = nullptr;
        auto vist = RespondreModal<TFormTTS>([&](QWidget *) {
            for (const auto &e : escolta.de(QAccessible::Focus))
                if (e.objecte && !primerFocus)
                    primerFocus = e.objecte;
            if (QApplication::activeWindow() && !actives.contains(QApplication::activeWindow()))
                actives << QApplication::activeWindow();
            a.FormTTS.reject();
        });
        a.Iniciar(200);
        QTRY_VERIFY(*vist);
        mirar.stop();
        QVERIFY(splashVist);
        QVERIFY2(!actives.contains(&a.AboutBox), "the splash took the focus");
        QVERIFY2(!actives.contains(&a.FormPrincipal), "the main window took the focus first");
        QVERIFY(!primerFocus || static_cast<QWidget *>(primerFocus)->window() == &a.FormTTS);
        // Later the about window is a dialog again.
        QCOMPARE(QAccessible::queryAccessibleInterface(&a.AboutBox)->role(), QAccessible::Dialog);
        Rellotge::setAcceleracio(1);
    }

    void theFramedKeyHasTheFocus_data()
    {
        QTest::addColumn<bool>("punterRefusat");
        QTest::addColumn<bool>("dirigit");
        QTest::newRow("pointer moves, automatic") << false << false;
        QTest::newRow("pointer moves refused, automatic") << true << false;
        QTest::newRow("pointer moves, directed") << false << true;
        QTest::newRow("pointer moves refused, directed") << true << true;
    }

    // As the scan moves, the framed key takes the focus, which a magnifier
    // and a screen reader follow; the left switch still works the framed key
    // and the focus ring stays off it, the scan's frame alone showing.
    void theFramedKeyHasTheFocus()
    {
        QFETCH(bool, punterRefusat);
        QFETCH(bool, dirigit);
        Finestres f;
        f.principal.show();
        QVERIFY(Activar(&f.principal));
        ::Escaneig &escaneig = f.principal.escaneig();
        if (punterRefusat)
            escaneig.setMourePunter([](const QPoint &) {});
        QCursor::setPos(f.principal.mapToGlobal(QPoint(2, 2)));
        f.opcions.ui->CheckBoxEscaneig->setChecked(!dirigit);
        f.opcions.ui->CheckBoxEscaneigDirigit->setChecked(dirigit);
        EscoltaAccessible escolta;
        f.principal.IniciarEscaneig();
        const auto pas = [&] {
            if (dirigit)
                QTest::keyClick(FocusDe(&f.principal), Qt::Key_Return);
            else
                escaneig.TimerEscaneigTimer();
        };
        if (!dirigit)
            pas();
        QStringList enfocades;
        for (int i = 0; i < 4; ++i) {
            QWidget *tecla = escaneig.TeclaEnmarcada();
            QVERIFY(tecla);
            QCOMPARE(f.principal.focusWidget(), tecla);
            QAccessibleInterface *interficie = QAccessible::queryAccessibleInterface(tecla);
            QVERIFY(interficie->state().focused);
            enfocades << tecla->objectName();
            pas();
        }
        QStringList avisades;
        for (const auto &e : escolta.de(QAccessible::Focus))
            if (e.objecte)
                avisades << e.objecte->objectName();
        for (const QString &nom : enfocades)
            QVERIFY2(avisades.contains(nom), qPrintable(avisades.join(' ')));
        QCOMPARE(enfocades.mid(0, 3), QStringList({"Button0", "Button1", "Button2"}));
        QVERIFY(!f.principal.findChild<MarcFocus *>()->isVisible());
        // The left switch works the framed key ("4"), not the answer box.
        QWidget *enmarcada = escaneig.TeclaEnmarcada();
        QCOMPARE(enmarcada->objectName(), QStringLiteral("Button4"));
        QTest::keyClick(FocusDe(&f.principal), Qt::Key_Space);
        QCOMPARE(f.ui().EditResultat->text(), QStringLiteral("4"));
        // The next step takes the focus from the answer box to the next key.
        pas();
        QCOMPARE(f.principal.focusWidget(), escaneig.TeclaEnmarcada());
    }
};

QTEST_MAIN(TestLectorPantalla)
#include "tst_lectorpantalla.moc"
