#include "Finestres.h"
#include "ModalHelper.h"

#include <QClipboard>
#include <QtTest>

// The main window's drill: keys, answers, counters, pauses and the record.
class TestTFormPrincipal : public QObject
{
    Q_OBJECT

private slots:
    void layout_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QRect>("geometria");
        QTest::addColumn<int>("pixels");
        QTest::newRow("LabelPreguntes") << "LabelPreguntes" << QRect(56, 8, 136, 32) << 24;
        QTest::newRow("LabelCorrectes") << "LabelCorrectes" << QRect(312, 8, 136, 32) << 24;
        QTest::newRow("CheckBoxNoVeure") << "CheckBoxNoVeure" << QRect(184, 48, 97, 17) << 15;
        QTest::newRow("SpeedButtonMenu") << "SpeedButtonMenu" << QRect(16, 80, 73, 73) << -1;
        QTest::newRow("LabelCompteEnrera") << "LabelCompteEnrera" << QRect(460, 95, 72, 86) << 64;
        QTest::newRow("EditResultat") << "EditResultat" << QRect(184, 120, 145, 53) << 32;
        QTest::newRow("ButtonMenys") << "ButtonMenys" << QRect(16, 192, 89, 65) << 32;
        QTest::newRow("ButtonEsborrar") << "ButtonEsborrar" << QRect(160, 192, 161, 65) << 24;
        QTest::newRow("ButtonNou") << "ButtonNou" << QRect(352, 192, 193, 65) << 24;
        QTest::newRow("Button0") << "Button0" << QRect(16, 272, 83, 65) << 32;
        QTest::newRow("Button4") << "Button4" << QRect(456, 272, 89, 65) << 32;
        QTest::newRow("Button5") << "Button5" << QRect(16, 352, 81, 65) << 32;
        QTest::newRow("Button9") << "Button9" << QRect(456, 352, 89, 65) << 32;
        QTest::newRow("BitBtnDAcord") << "BitBtnDAcord" << QRect(200, 432, 161, 65) << 24;
    }
    void layout()
    {
        QFETCH(QString, nom);
        QFETCH(QRect, geometria);
        QFETCH(int, pixels);
        Finestres f;
        f.principal.show();
        QWidget *control = f.principal.findChild<QWidget *>(nom);
        QVERIFY2(control, qPrintable(nom));
        QCOMPARE(control->mapTo(&f.principal, QPoint(0, 0)), geometria.topLeft());
        // Labels fit their width to their caption; other controls keep their size.
        if (qobject_cast<QLabel *>(control) && control->objectName() != "LabelCompteEnrera")
            QVERIFY(control->width() >= control->sizeHint().width());
        else
            QCOMPARE(control->size(), geometria.size());
        if (pixels > 0) {
            control->ensurePolished();
            QCOMPARE(control->font().pixelSize(), pixels);
        }
    }

    void windowIsFixedWithHiddenParts()
    {
        Finestres f;
        f.principal.show();
        QCOMPARE(f.principal.size(), QSize(561, 503));
        QCOMPARE(f.principal.minimumSize(), f.principal.maximumSize());
        QVERIFY(!f.ui().ButtonMenys->isVisible());
        QVERIFY(!f.ui().LabelCompteEnrera->isVisible());
        QVERIFY(!f.ui().MemoCarpeta->isVisible());
        // A click never gives the picture button the focus; Tab reaches it.
        QVERIFY(f.ui().SpeedButtonMenu->focusPolicy() == Qt::TabFocus);
        QCOMPARE(f.ui().LabelPreguntes->text(), QStringLiteral("Preguntes: 0"));
        QCOMPARE(f.ui().LabelCorrectes->text(), QStringLiteral("Correctes: 0"));
        QCOMPARE(f.ui().ButtonEsborrar->text(), QStringLiteral("Esborrar"));
    }

    void minusKeySequence()
    {
        Finestres f;
        f.principal.ButtonMenysClick();
        QCOMPARE(f.ui().EditResultat->text(), QStringLiteral("-"));
        f.principal.ButtonEsborrarClick();
        f.principal.ButtonMenysClick();
        f.principal.ButtonDigitClick(5);
        QCOMPARE(f.ui().EditResultat->text(), QStringLiteral("-5"));
        f.principal.ButtonMenysClick();
        QCOMPARE(f.ui().EditResultat->text(), QStringLiteral("5"));
        f.ui().EditResultat->setCursorPosition(0);
        f.principal.ButtonDigitClick(3);
        QCOMPARE(f.ui().EditResultat->text(), QStringLiteral("53"));
        QCOMPARE(f.ui().EditResultat->cursorPosition(), 2);
    }

    void answers_data()
    {
        QTest::addColumn<QString>("pregunta");
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<bool>("correcta");
        QTest::newRow("negative sum right") << "(-3) + (-4)" << "-7" << true;
        QTest::newRow("negative sum wrong sign") << "(-3) + (-4)" << "7" << false;
        QTest::newRow("empty") << "7 x 8" << "" << false;
        QTest::newRow("leading zero") << "6 x 2" << "012" << false;
        QTest::newRow("signed zero") << "(-3) x 0" << "-0" << false;
        QTest::newRow("zero product") << "(-3) x 0" << "0" << true;
        QTest::newRow("letters") << "7 x 8" << "abc" << false;
        QTest::newRow("blanks") << "7 x 8" << " 56" << false;
        QTest::newRow("plus in front") << "6 x 2" << "+12" << true;
        QTest::newRow("plus inside") << "6 x 2" << "1+2" << true;
        QTest::newRow("dot product") << "(+4) . 9 x (-2)" << "-72" << true;
        QTest::newRow("division") << "42 / 6" << "7" << true;
    }
    void answers()
    {
        QFETCH(QString, pregunta);
        QFETCH(QString, resposta);
        QFETCH(bool, correcta);
        Finestres f;
        f.pregunta(pregunta);
        f.respondre(resposta);
        QCOMPARE(f.principal.NombrePreguntes, 1);
        QCOMPARE(f.principal.NombreCorrectes, correcta ? 1 : 0);
        const QString linia = f.registre().last();
        const QString marca = correcta ? QStringLiteral(" = \t") : QStringLiteral(" =| \t");
        QCOMPARE(linia, pregunta + marca + resposta + (correcta ? "\tC" : "\tI") + "\tP:\t1\tC:\t" +
                            (correcta ? "1" : "0"));
        // After a correct answer a new question is up; after a wrong one the
        // same question stays, the box emptied and enabled.
        if (!correcta)
            QCOMPARE(f.ui().LabelOperacio->text(), pregunta);
        else
            QVERIFY(!f.ui().LabelOperacio->text().contains(QLatin1Char('=')));
        QVERIFY(f.ui().EditResultat->text().isEmpty());
        QVERIFY(f.ui().EditResultat->isEnabled());
        QVERIFY(f.ui().BitBtnDAcord->isEnabled());
        QVERIFY(f.ui().ButtonNou->isEnabled());
    }

    void wrongWrongRight()
    {
        Finestres f;
        f.pregunta(QStringLiteral("7 x 8"));
        f.respondre(QStringLiteral("54"));
        f.respondre(QStringLiteral("55"));
        QCOMPARE(f.ui().LabelOperacio->text(), QStringLiteral("7 x 8"));
        f.respondre(QStringLiteral("56"));
        QCOMPARE(f.principal.NombrePreguntes, 3);
        QCOMPARE(f.principal.NombreCorrectes, 1);
        QCOMPARE(f.ui().LabelPreguntes->text(), QStringLiteral("Preguntes: 3"));
        QCOMPARE(f.ui().LabelCorrectes->text(), QStringLiteral("Correctes: 1"));
        const QStringList linies = f.registre();
        QCOMPARE(linies.mid(linies.size() - 3),
                 QStringList({"7 x 8 =| \t54\tI\tP:\t1\tC:\t0", "7 x 8 =| \t55\tI\tP:\t2\tC:\t0",
                              "7 x 8 = \t56\tC\tP:\t3\tC:\t1"}));
    }

    void whatThePauseShows()
    {
        Finestres f;
        f.pregunta(QStringLiteral("7 x 8"));
        QString operacio, caixa;
        bool caixaActiva = true, botonsActius = true;
        QTimer::singleShot(0, &f.principal, [&] {
            operacio = f.ui().LabelOperacio->text();
            caixa = f.ui().EditResultat->text();
            caixaActiva = f.ui().EditResultat->isEnabled();
            botonsActius = f.ui().BitBtnDAcord->isEnabled() || f.ui().ButtonNou->isEnabled();
            // Keys pressed now are wiped when the pause ends.
            f.principal.ButtonDigitClick(4);
        });
        f.respondre(QStringLiteral("56"));
        QCOMPARE(operacio, QStringLiteral("7 x 8 = 56"));
        QCOMPARE(caixa, QStringLiteral("bé"));
        QVERIFY(!caixaActiva);
        QVERIFY(!botonsActius);
        QVERIFY(f.ui().EditResultat->text().isEmpty());

        f.pregunta(QStringLiteral("7 x 8"));
        QTimer::singleShot(0, &f.principal, [&] { operacio = f.ui().LabelOperacio->text(); });
        f.respondre(QStringLiteral("1"));
        QCOMPARE(operacio, QStringLiteral("7 x 8 = No és correcte"));
        QCOMPARE(f.ui().LabelOperacio->text(), QStringLiteral("7 x 8"));
    }

    void newQuestion()
    {
        Finestres f;
        f.pregunta(QStringLiteral("9 x 3"));
        QString solucio;
        bool caixaActiva = false;
        QTimer::singleShot(0, &f.principal, [&] {
            solucio = f.ui().LabelOperacio->text();
            caixaActiva = f.ui().EditResultat->isEnabled();
            // Digits keyed during this pause stay for the next question.
            f.principal.ButtonDigitClick(2);
        });
        f.principal.ButtonNouClick();
        QCOMPARE(solucio, QStringLiteral("9 x 3 = 27"));
        QVERIFY(caixaActiva);
        QCOMPARE(f.ui().EditResultat->text(), QStringLiteral("2"));
        QCOMPARE(f.principal.NombrePreguntes, 1);
        QCOMPARE(f.principal.NombreCorrectes, 0);
        const QString nova = f.ui().LabelOperacio->text();
        QVERIFY(nova != QStringLiteral("9 x 3 = 27"));
        QCOMPARE(f.registre().last(), nova + "\t\tNC\tP:\t1\tC:\t0");
    }

    void handlersDoNotNest()
    {
        // Enter during the pause must not check the answer a second time.
        Finestres f;
        f.pregunta(QStringLiteral("2 x 2"));
        QTimer::singleShot(0, &f.principal, [&] {
            QTest::keyClick(f.ui().EditResultat, Qt::Key_Return);
            f.ui().BitBtnDAcord->click();
            f.ui().ButtonNou->click();
        });
        f.respondre(QStringLiteral("3"));
        QCOMPARE(f.principal.NombrePreguntes, 1);
    }

    void enterChecksTheAnswer()
    {
        Finestres f;
        f.principal.show();
        f.pregunta(QStringLiteral("2 x 5"));
        f.principal.FocusResultat();
        QTest::keyClicks(f.ui().EditResultat, QStringLiteral("10"));
        QTest::keyClick(f.ui().EditResultat, Qt::Key_Return);
        QCOMPARE(f.principal.NombreCorrectes, 1);
    }

    void everyKindIsAnsweredRight()
    {
        // A learner who always answers right never sees "No és correcte".
        Finestres f;
        const QList<QRadioButton *> tipus = f.opcions.findChildren<QRadioButton *>();
        QCOMPARE(tipus.size(), 10);
        int preguntes = 0;
        for (QRadioButton *boto : tipus) {
            boto->setChecked(true);
            f.principal.MenuIniciarDeNouClick();
            for (int i = 0; i < 40; ++i) {
                const QString esperada = f.principal.RespostaEsperada();
                bool esEnter = false;
                esperada.toInt(&esEnter);
                QVERIFY2(esEnter, qPrintable(f.ui().LabelOperacio->text() + " -> " + esperada));
                QVERIFY(esperada != QStringLiteral("-0"));
                f.respondre(esperada);
                ++preguntes;
                QCOMPARE(f.principal.NombreCorrectes, f.principal.NombrePreguntes);
            }
        }
        QCOMPARE(preguntes, 400);
    }

    void hideQuestion()
    {
        Finestres f;
        f.principal.show();
        f.ui().CheckBoxNoVeure->setChecked(true);
        QVERIFY(!f.ui().LabelOperacio->isVisible());
        f.principal.GenerarPregunta();
        QVERIFY(!f.ui().LabelOperacio->text().isEmpty());
        QCOMPARE(f.opcions.configuracio().ReadString("TRIMBOL", "CheckBoxNoVeure", "?"),
                 QStringLiteral("SI"));
        f.ui().CheckBoxNoVeure->setChecked(false);
        QVERIFY(f.ui().LabelOperacio->isVisible());
        QCOMPARE(f.opcions.configuracio().ReadString("TRIMBOL", "CheckBoxNoVeure", "?"),
                 QStringLiteral("NO"));
    }

    void directedScanningWalksTheRealKeys()
    {
        Finestres f;
        f.principal.show();
        f.opcions.ui->CheckBoxEscaneigDirigit->setChecked(true);
        f.principal.IniciarEscaneig();
        // The minus key is hidden with the tables: the pass starts on "0".
        QCOMPARE(f.principal.mapFromGlobal(QCursor::pos()), QPoint(57, 304));
        QTest::mousePress(f.ui().Button7, Qt::RightButton);
        QCOMPARE(f.principal.mapFromGlobal(QCursor::pos()), QPoint(164, 304));
        QVERIFY(f.ui().EditResultat->text().isEmpty());
        // A left press works the key under the pointer.
        QTest::mouseClick(f.ui().Button1, Qt::LeftButton);
        QCOMPARE(f.ui().EditResultat->text(), QStringLiteral("1"));
        f.opcions.ui->CheckBoxEscaneigDirigit->setChecked(false);
        f.principal.IniciarEscaneig();
        QVERIFY(!f.principal.findChild<QTimer *>(QStringLiteral("TimerEscaneig"))->isActive());
    }

    void closingDuringAPauseEndsCleanly()
    {
        Finestres f;
        f.principal.show();
        f.pregunta(QStringLiteral("2 x 2"));
        const QString abans = f.registre().join('\n');
        QTimer::singleShot(0, &f.principal, [&] { f.principal.close(); });
        f.principal.ButtonNouClick();
        // The handler stopped at the pause: no new question, no record line.
        QCOMPARE(f.registre().join('\n'), abans);
        QCOMPARE(f.principal.NombrePreguntes, 0);
    }
};

QTEST_MAIN(TestTFormPrincipal)
#include "tst_tformprincipal.moc"
