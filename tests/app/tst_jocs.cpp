#include "Finestres.h"
#include "ModalHelper.h"

#include <QClipboard>
#include <QLocale>
#include <QRegularExpression>
#include <QScreen>
#include <QtTest>

// The options cycle, the two timed games and the copy of the record.
class TestJocs : public QObject
{
    Q_OBJECT

    // With TRIMBOL_CAPTURES=<folder>, under a real display, each game
    // window that opens is saved as a picture of the whole screen.
    static void Capturar(const QString &informacio)
    {
        const QString carpeta = qEnvironmentVariable("TRIMBOL_CAPTURES");
        if (carpeta.isEmpty())
            return;
        static int numero = 0;
        QTest::qWait(300); // let the window be drawn
        QString nom = informacio;
        nom.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
        QGuiApplication::primaryScreen()->grabWindow(0).save(
            QStringLiteral("%1/joc-%2-%3.png").arg(carpeta).arg(++numero).arg(nom));
    }

    struct Vist {
        QString titol, informacio, compte;
        bool compteVisible = false;
    };
    static std::shared_ptr<Vist> MirarJocs(Finestres &f)
    {
        auto vist = std::make_shared<Vist>();
        RespondreModal<TFormJocs>([vist, &f](QWidget *modal) {
            vist->titol = modal->windowTitle();
            vist->informacio = f.jocs.ui->LabelInformacio->text();
            vist->compte = f.ui().LabelCompteEnrera->text();
            vist->compteVisible = f.ui().LabelCompteEnrera->isVisible();
            Capturar(vist->informacio);
        }, &f.principal);
        return vist;
    }

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Catalan, QLocale::Spain)); }
    void cleanup() { Rellotge::setTickFix(std::nullopt); }

    void gameOneCountsDownAndEnds()
    {
        Finestres f;
        f.principal.show();
        auto preparat = MirarJocs(f);
        f.principal.MenuFerElMaximDOperacionsClick();
        QCOMPARE(preparat->titol, QStringLiteral("Trimbol - Operacions 60''"));
        QCOMPARE(preparat->informacio, QStringLiteral("Preparats?"));
        QCOMPARE(preparat->compte, QStringLiteral("60"));
        QVERIFY(preparat->compteVisible);
        QVERIFY(f.principal.TimerCompeEnrera.isActive());
        QVERIFY(!f.ui().LabelOperacio->text().isEmpty());
        f.principal.TimerCompeEnreraTimer();
        QCOMPARE(f.ui().LabelCompteEnrera->text(), QStringLiteral("59"));
        for (int i = 0; i < 58; ++i)
            f.principal.TimerCompeEnreraTimer();
        QCOMPARE(f.ui().LabelCompteEnrera->text(), QStringLiteral("1"));
        QVERIFY(f.principal.TimerCompeEnrera.isActive());
        f.pregunta(QStringLiteral("3 x 3"));
        f.respondre(QStringLiteral("9"));
        auto resultat = MirarJocs(f);
        f.principal.TimerCompeEnreraTimer();
        QCOMPARE(resultat->compte, QStringLiteral("0"));
        QVERIFY(resultat->compteVisible);
        QCOMPARE(resultat->informacio, QStringLiteral("Preguntes: 1 - Correctes: 1"));
        QCOMPARE(resultat->titol, QStringLiteral("Trimbol - Operacions 60''"));
        QVERIFY(!f.principal.TimerCompeEnrera.isActive());
        QVERIFY(!f.ui().LabelCompteEnrera->isVisible());
    }

    void gameOneEndsInsideAWrongAnswerPause()
    {
        Finestres f;
        f.principal.show();
        MirarJocs(f);
        f.principal.MenuFerElMaximDOperacionsClick();
        f.ui().LabelCompteEnrera->setText(QStringLiteral("1"));
        f.pregunta(QStringLiteral("2 x 2"));
        auto resultat = MirarJocs(f);
        QTimer::singleShot(0, &f.principal, [&] { f.principal.TimerCompeEnreraTimer(); });
        f.respondre(QStringLiteral("5"));
        QCOMPARE(resultat->informacio, QStringLiteral("Preguntes: 1 - Correctes: 0"));
        // The interrupted answer still completes.
        QCOMPARE(f.ui().LabelOperacio->text(), QStringLiteral("2 x 2"));
        QVERIFY(f.ui().BitBtnDAcord->isEnabled());
    }

    // In a game a correct answer moves on at once: no pause runs, so nothing
    // else is dispatched before the next question. Outside games it pauses.
    void correctAnswerInAGameMovesOnAtOnce_data()
    {
        QTest::addColumn<int>("joc");
        QTest::addColumn<bool>("pausa");
        QTest::newRow("normal drill") << 0 << true;
        QTest::newRow("60 seconds") << 1 << false;
        QTest::newRow("race") << 2 << false;
    }
    void correctAnswerInAGameMovesOnAtOnce()
    {
        QFETCH(int, joc);
        QFETCH(bool, pausa);
        Finestres f;
        f.principal.show();
        MirarJocs(f);
        if (joc == 1)
            f.principal.MenuFerElMaximDOperacionsClick();
        else if (joc == 2)
            f.principal.MenuContraRellotgeClick();
        f.pregunta(QStringLiteral("6 x 7"));
        bool despatxat = false;
        QTimer::singleShot(0, &f.principal, [&despatxat] { despatxat = true; });
        f.respondre(QStringLiteral("42"));
        QCOMPARE(despatxat, pausa);
        QCOMPARE(f.principal.NombreCorrectes, 1);
        QVERIFY(f.ui().LabelOperacio->text() != QStringLiteral("6 x 7 = 42"));
    }

    void raceTime_data()
    {
        QTest::addColumn<quint32>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("83 449") << 83449u << "83,4";
        QTest::newRow("83 450 ties to even") << 83450u << "83,4";
        QTest::newRow("83 550 ties to even") << 83550u << "83,6";
        QTest::newRow("90 000") << 90000u << "90";
        QTest::newRow("95 ms") << 95u << "0,1";
        QTest::newRow("50 ms") << 50u << "0";
    }
    void raceTime()
    {
        QFETCH(quint32, ms);
        QFETCH(QString, text);
        QCOMPARE(TFormPrincipal::TextTemps(ms), text);
    }

    void raceEndsOnTheThirtySecondCorrectAnswer()
    {
        Finestres f;
        f.principal.show();
        Rellotge::setTickFix(0xFFFFF000u); // the race runs across the tick's wrap
        auto preparat = MirarJocs(f);
        f.principal.MenuContraRellotgeClick();
        QCOMPARE(preparat->titol, QStringLiteral("Trimbol - Contrarrellotge 32"));
        QCOMPARE(preparat->compte, QStringLiteral("0"));
        QCOMPARE(f.principal.IniciJoc2, 0xFFFFF000u);
        f.principal.TimerContrarellogeTimer();
        QCOMPARE(f.ui().LabelCompteEnrera->text(), QStringLiteral("1"));
        f.pregunta(QStringLiteral("2 x 2"));
        f.respondre(QStringLiteral("5")); // a wrong one only counts a question
        for (int i = 0; i < 31; ++i)
            f.respondre(f.principal.RespostaEsperada());
        QVERIFY(f.principal.TimerContrarelloge.isActive());
        Rellotge::setTickFix(0xFFFFF000u + 83450u);
        auto resultat = MirarJocs(f);
        f.respondre(f.principal.RespostaEsperada());
        QCOMPARE(resultat->informacio,
                 QStringLiteral("Preguntes: 33 - Correctes: 32 - 83,4 segons"));
        QCOMPARE(resultat->compte, QStringLiteral("83,4"));
        // The wider number grows around the clock's centre and is not cut.
        QLabel *compte = f.ui().LabelCompteEnrera;
        QVERIFY(compte->width() >= compte->sizeHint().width());
        QVERIFY(std::abs(compte->geometry().center().x() - 496) <= 1);
        QVERIFY(!f.principal.TimerContrarelloge.isActive());
        QVERIFY(!f.ui().LabelCompteEnrera->isVisible());
        // The 33rd changes nothing.
        auto cap = MirarJocs(f);
        f.respondre(f.principal.RespostaEsperada());
        QVERIFY(cap->titol.isEmpty());
        QCOMPARE(f.principal.NombreCorrectes, 33);
    }

    void thirtyTwoOutsideTheRaceEndNothing()
    {
        Finestres f;
        auto cap = MirarJocs(f);
        for (int i = 0; i < 32; ++i) {
            f.principal.GenerarPregunta();
            f.respondre(f.principal.RespostaEsperada());
        }
        QCOMPARE(f.principal.NombreCorrectes, 32);
        QVERIFY(cap->titol.isEmpty());
    }

    void optionsDuringAGameStopItWithoutResult()
    {
        Finestres f;
        f.principal.show();
        MirarJocs(f);
        f.principal.MenuContraRellotgeClick();
        QVERIFY(f.principal.TimerContrarelloge.isActive());
        bool aturat = false;
        RespondreModal<TFormTTS>(
            [&](QWidget *) {
                aturat = !f.principal.TimerContrarelloge.isActive() &&
                         !f.ui().LabelCompteEnrera->isVisible();
            },
            &f.principal);
        auto cap = MirarJocs(f);
        f.principal.SpeedButtonMenuClick();
        QVERIFY(aturat);
        QVERIFY(!f.principal.TimerContrarelloge.isActive());
        QCOMPARE(f.principal.NombrePreguntes, 0);
    }

    void copyOfTheRecord()
    {
        Finestres f;
        f.principal.MenuCopiarALaCarpetaClick();
        QStringList copiat = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(copiat.size(), 3);
        QVERIFY(copiat[0].isEmpty());
        QVERIFY(!copiat[1].isEmpty());
        QVERIFY(copiat[2].isEmpty());

        // A realistic session: a kind, a wrong and a right try, a skip.
        f.opcions.ui->RadioButtonTS1X->setChecked(true);
        f.principal.MenuIniciarDeNouClick();
        f.pregunta(QStringLiteral("3 + 4"));
        f.respondre(QStringLiteral("8"));
        f.respondre(QStringLiteral("7"));
        f.principal.ButtonNouClick();
        f.principal.MenuCopiarALaCarpetaClick();
        copiat = QGuiApplication::clipboard()->text().split('\n');
        const QString nova = f.ui().LabelOperacio->text();
        // First trailer, two header blocks, the answers, the second trailer.
        QCOMPARE(copiat.size(), 3 + 3 + 3 + 3 + 3);
        QCOMPARE(copiat.mid(3, 3)[2], QStringLiteral("Taules de sumar. 1 xifra"));
        QCOMPARE(copiat.mid(6, 3)[2], QStringLiteral("Taules de sumar. 1 xifra"));
        QCOMPARE(copiat[9], QStringLiteral("3 + 4 =| \t8\tI\tP:\t1\tC:\t0"));
        QCOMPARE(copiat[10], QStringLiteral("3 + 4 = \t7\tC\tP:\t2\tC:\t1"));
        QCOMPARE(copiat[11].section('\t', 1), QStringLiteral("\tNC\tP:\t3\tC:\t1"));
        QVERIFY(copiat[12].isEmpty() && copiat[14].isEmpty() && !copiat[13].isEmpty());
    }

    void languageSwitchRelabelsAtOnce()
    {
        Finestres f;
        f.pregunta(QStringLiteral("2 x 2"));
        f.respondre(QStringLiteral("4"));
        // The second question is drawn at random: no table's answer is 99.
        f.respondre(QStringLiteral("99"));
        f.respondre(f.principal.RespostaEsperada());
        const QString pregunta = f.ui().LabelOperacio->text();
        f.opcions.ui->CheckBoxMenuCastellano->setChecked(true);
        QCOMPARE(f.ui().LabelPreguntes->text(), QStringLiteral("Preguntas: 3"));
        QCOMPARE(f.ui().LabelCorrectes->text(), QStringLiteral("Correctas: 2"));
        QCOMPARE(f.ui().LabelOperacio->text(), pregunta);
        QCOMPARE(f.jocs.ui->BitBtnDAcord->text(), QStringLiteral("Aceptar"));
        QCOMPARE(f.ui().ButtonEsborrar->text(), QStringLiteral("Borrar"));
        QCOMPARE(f.ui().CheckBoxNoVeure->text(), QStringLiteral("No ver"));
        QCOMPARE(f.opcions.windowTitle(), QStringLiteral("Trimbol 2 - Opciones - Accesibilidad - TTS"));
        QCOMPARE(f.opcions.ui->RadioButtonSE2X->text(), QStringLiteral("Sumar o restar enteros. 2 cifras"));
        QVERIFY(f.principal.ui->MenuCastella->isChecked());
        QVERIFY(!f.principal.ui->MenuCatala->isChecked());
        // The record keeps the former language's heading until a kind is chosen.
        f.principal.MenuIniciarDeNouClick();
        QCOMPARE(f.registre().last(), QStringLiteral("Taules de multiplicar. 1 xifra"));
        QCOMPARE(f.principal.TitolSessio, QStringLiteral("Taules de multiplicar. 1 xifra"));
        f.opcions.ui->RadioButtonTS1X->setChecked(true);
        QCOMPARE(f.principal.TitolSessio, QStringLiteral("Tablas de sumar. 1 cifra"));
        f.respondre(QStringLiteral("x"));
        QCOMPARE(f.ui().LabelPreguntes->text(), QStringLiteral("Preguntas: 1"));
        f.opcions.ui->CheckBoxMenuCastellano->setChecked(false);
        QCOMPARE(f.ui().LabelPreguntes->text(), QStringLiteral("Preguntes: 1"));
    }
};

QTEST_MAIN(TestJocs)
#include "tst_jocs.moc"
