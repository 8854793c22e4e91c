#include "../speech/ServeiFals.h"
#include "Arrencada.h"
#include "ModalHelper.h"
#include "PreparacioSpeechd.h"
#include "Rellotge.h"
#include "TFormTTSUi.h"
#include "UnitCalcDll32.h"
#include "Finestres.h"

#include <QListWidget>
#include <QtTest>

// The real start-up and drill on a desktop whose speech service stops
// answering: one service takes connections and never answers, another
// answers the hand-shake and the listing and hangs at the first text. The
// options window comes, the drill goes on with reading aloud ticked, and
// the program closes without waiting for the service.
class TestServeiPenjat : public QObject
{
    Q_OBJECT

    static void Clicar(QAbstractButton *boto)
    {
        QTest::mouseClick(boto, Qt::LeftButton, {}, QPoint(8, boto->height() / 2));
    }

    // Answers the question on show, right, by keys and a click on "D'acord".
    static void Respondre(Arrencada &arrencada)
    {
        Ui::TFormPrincipal &ui = *arrencada.FormPrincipal.ui;
        QString expressio = ui.LabelOperacio->text();
        expressio.replace(QLatin1String(" x "), QLatin1String("*"));
        const QString resultat = QString::fromStdString(AvaluarExpressio(expressio.toStdString()));
        QTest::keyClicks(ui.EditResultat, resultat);
        QTest::mouseClick(ui.BitBtnDAcord, Qt::LeftButton);
    }

private slots:
    void cleanup()
    {
        Rellotge::setAcceleracio(1);
        qunsetenv("SPEECHD_ADDRESS");
    }

    void arrencadaIExercici_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("veus");
        QTest::addColumn<QString>("triada");
        const QStringList upctv{"UPCTV - Home - Català", "UPCTV - Dona - Català",
                                "UPCTV - Hombre - Español", "UPCTV - Mujer - Español"};
        QTest::newRow("never answers")
            << int(ServeiFals::Mode::Mut) << upctv << "UPCTV - Dona - Català";
        QTest::newRow("hangs at the first text")
            << int(ServeiFals::Mode::PenjaAlParlar)
            << QStringList{"Catalan - Catalan (Spain)", "Catalan+Adam - Catalan (Spain)",
                           "Spanish (Spain) - Spanish (Spain)",
                           "Spanish (Latin America) - Spanish (Latin America)"} +
                   upctv
            << "Catalan - Catalan (Spain)";
    }

    void arrencadaIExercici()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, veus);
        QFETCH(QString, triada);
        const ServeiFals fals(static_cast<ServeiFals::Mode>(mode));
        qputenv("SPEECHD_ADDRESS", fals.Adreca().toUtf8());
        Rellotge::setAcceleracio(1000);
        QTemporaryDir carpeta;
        const PreparacioSpeechd preparacio;
        {
            Arrencada arrencada(carpeta.filePath(QStringLiteral("trimbol.ini")));
            QStringList entrades;
            QString enUs;
            const auto vist = RespondreModal<TFormTTS>(
                [&](QWidget *) {
                    QListWidget *llista = arrencada.FormTTS.ui->ListBoxMotorsDeVeu;
                    for (int i = 0; i < llista->count(); ++i)
                        entrades << llista->item(i)->text();
                    enUs = llista->currentItem() ? llista->currentItem()->text() : QString();
                    Clicar(arrencada.FormTTS.ui->CheckBoxLlegirResultat);
                    Clicar(arrencada.FormTTS.ui->BitBtnDAcord);
                },
                &arrencada.FormPrincipal, 100000);
            arrencada.Iniciar(1000);
            QVERIFY(QTest::qWaitFor([&] { return *vist; }, 30000));
            QCOMPARE(entrades, veus);
            QCOMPARE(enUs, triada);
            QVERIFY(arrencada.FormTTS.LlegirResultat());

            // Each answer is judged and the next question comes, as if the
            // service were not there.
            for (int i = 1; i <= 3; ++i) {
                Respondre(arrencada);
                QCOMPARE(arrencada.FormPrincipal.NombreCorrectes, i);
                QVERIFY(!arrencada.FormPrincipal.ui->LabelOperacio->text().isEmpty());
            }
            QCOMPARE(arrencada.FormPrincipal.NombrePreguntes, 3);
        }
        // Only the first text ever reached the hung service.
        if (mode == int(ServeiFals::Mode::PenjaAlParlar))
            QCOMPARE(fals.Ordres().filter("SPEAK", Qt::CaseInsensitive).size(), 1);
        else
            QCOMPARE(fals.Ordres().size(), 0);
    }
};

QTEST_MAIN(TestServeiPenjat)
#include "tst_serveipenjat.moc"
