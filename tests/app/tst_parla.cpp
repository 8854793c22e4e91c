#include "../speech/VeuFalsa.h"
#include "Finestres.h"

#include <QtTest>

// What the drill says while "Llegir resultat" is ticked, heard through a
// fake voice object that records every call.
class TestParla : public QObject
{
    Q_OBJECT

    std::shared_ptr<ConfiguracioVeuFalsa> veu;

private slots:
    void init()
    {
        veu = VeuFalsa::RegistrarEscriptori({QStringLiteral("Veu de prova|ca"), QStringLiteral("Voz de prueba|es")});
    }

    void correctAnswerIsPraised()
    {
        Finestres f;
        QCOMPARE(f.opcions.ui->ListBoxMotorsDeVeu->item(0)->text(), QStringLiteral("Veu de prova"));
        f.opcions.ui->CheckBoxLlegirResultat->setChecked(true);
        f.pregunta(QStringLiteral("7 x 8"));
        veu->registre.clear();
        f.respondre(QStringLiteral("56"));
        const QStringList dit = veu->dit();
        QVERIFY(dit.size() >= 2);
        QCOMPARE(dit[0], QStringLiteral("7 per 8 , 56, bé 1"));
        // Then the next question, with its signs in words.
        QCOMPARE(dit[1], f.principal.FormaParlada(f.ui().LabelOperacio->text()) + " 1");
    }

    void wrongAnswerSaysTheNoticeThenTheQuestion()
    {
        Finestres f;
        f.opcions.ui->CheckBoxLlegirResultat->setChecked(true);
        f.pregunta(QStringLiteral("(-3) + (+5)"));
        veu->registre.clear();
        f.respondre(QStringLiteral("8"));
        QCOMPARE(veu->dit(), QStringList({"No és correcte 1", "(menys3) més (més5) 1"}));
    }

    void skippedQuestionSaysTheSolutionInSpanish()
    {
        Finestres f(Llengua::Castella);
        f.opcions.ui->CheckBoxLlegirResultat->setChecked(true);
        f.pregunta(QStringLiteral("9 / 3"));
        veu->registre.clear();
        f.principal.ButtonNouClick();
        QCOMPARE(veu->dit().value(0), QStringLiteral("9 dividido entre 3 = 3 1"));
    }

    // The program's own engine library says a question in each language and
    // produces speech samples for it (silently: the tests have no sound).
    void engineLibrarySpeaksTheQuestion_data()
    {
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<bool>("castella");
        QTest::newRow("Catalan") << "UPCTV - Dona - Català" << false;
        QTest::newRow("Spanish") << "UPCTV - Hombre - Español" << true;
    }
    void engineLibrarySpeaksTheQuestion()
    {
        QFETCH(QString, entrada);
        QFETCH(bool, castella);
        qputenv("UPCTV_SILENCI", "1");
        Finestres f(castella ? Llengua::Castella : Llengua::Catala);
        Rellotge::setAcceleracio(1); // the engine speaks in real time
        f.opcions.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.opcions));
        ClicarEntrada(f.opcions.ui->ListBoxMotorsDeVeu, entrada);
        QCOMPARE(f.opcions.configuracio().ReadString("tts to Wav", "Tipus de sintetitzador", ""),
                 QStringLiteral("UPCTV"));
        f.opcions.ui->CheckBoxLlegirResultat->setChecked(true);
        using Mostres = long (*)();
        const auto mostres = reinterpret_cast<Mostres>(
            f.opcions.Motors->UPCTV().Export("upcTVSamplesProduced"));
        QVERIFY(mostres);
        f.pregunta(QStringLiteral("7 x 8"));
        // Speaking returns once the engine has finished.
        f.principal.ParlarOperacio(f.ui().LabelOperacio->text());
        qInfo("%ld samples for \"%s\"", mostres(), qPrintable(f.ui().LabelOperacio->text()));
        QVERIFY2(mostres() > 4000, qPrintable(QString::number(mostres())));
    }

    void silentWithoutReadingAloud()
    {
        Finestres f;
        f.pregunta(QStringLiteral("7 x 8"));
        veu->registre.clear();
        f.respondre(QStringLiteral("1"));
        f.principal.ButtonNouClick();
        QVERIFY(veu->dit().isEmpty());
    }
};

QTEST_MAIN(TestParla)
#include "tst_parla.moc"
