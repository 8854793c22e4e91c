#include "../speech/VeuFalsa.h"
#include "FitxerConfiguracio.h"
#include "TFormPrincipal.h"
#include "TFormTTS.h"
#include "TFormTTSUi.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Which voice speaks: at the first start, after a change of language, and
// when the list is not the one the choice was stored with. The desktop's
// service is a fake with voices of both languages; the engine library is
// the real one, beside the test.
class TestEleccioVeu : public QObject
{
    Q_OBJECT

    std::shared_ptr<ConfiguracioVeuFalsa> m_servei;

    static QString Triada(const TFormTTS &opcions)
    {
        const QListWidgetItem *item = opcions.ui->ListBoxMotorsDeVeu->currentItem();
        return item && item->isSelected() ? item->text() : QString();
    }

    static void ClicarCastella(TFormTTS &opcions)
    {
        QCheckBox *casella = opcions.ui->CheckBoxMenuCastellano;
        QTest::mouseClick(casella, Qt::LeftButton, {}, QPoint(8, casella->height() / 2));
    }

private slots:
    void init()
    {
        m_servei = VeuFalsa::RegistrarEscriptori(
            {"Catalan - Catalan (Spain)|ca", "Catalan+Adam - Catalan (Spain)|ca",
             "Spanish (Spain) - Spanish (Spain)|es", "English - English (United States)|en"});
    }

    // Each row: the settings file, whether the service is there, whether
    // "Textos en español" is then clicked, the voice in use, and the
    // stored entry text after closing.
    void veuQueParla_data()
    {
        QTest::addColumn<QByteArray>("fitxer");
        QTest::addColumn<bool>("servei");
        QTest::addColumn<bool>("castella");
        QTest::addColumn<QString>("veu");
        QTest::addColumn<QString>("guardada");

        const QString catala = "Catalan - Catalan (Spain)";
        const QString adam = "Catalan+Adam - Catalan (Spain)";
        const QString espanyol = "Spanish (Spain) - Spanish (Spain)";
        QTest::newRow("first start: the desktop's Catalan voice")
            << QByteArray() << true << false << catala << catala;
        QTest::newRow("first start without the service")
            << QByteArray() << false << false << "UPCTV - Dona - Català"
            << "UPCTV - Dona - Català";
        QTest::newRow("first start, then Spanish")
            << QByteArray() << true << true << espanyol << espanyol;
        QTest::newRow("without the service, then Spanish")
            << QByteArray() << false << true << "UPCTV - Mujer - Español"
            << "UPCTV - Mujer - Español";
        QTest::newRow("a voice chosen by hand holds in Spanish")
            << QByteArray("[tts]\nNumero sintetitzador=1\nNom sintetitzador=" + adam.toUtf8() +
                          "\nSintetitzador triat=SI\n")
            << true << true << adam << adam;
        QTest::newRow("a voice the program chose follows the language")
            << QByteArray("[tts]\nNumero sintetitzador=0\nNom sintetitzador=" + catala.toUtf8() +
                          "\nSintetitzador triat=NO\n")
            << true << true << espanyol << espanyol;
        QTest::newRow("found by its text, not by its old place")
            << QByteArray("[tts]\nNumero sintetitzador=13370\n"
                          "Nom sintetitzador=UPCTV - Mujer - Español\nSintetitzador triat=SI\n")
            << true << false << "UPCTV - Mujer - Español"
            << "UPCTV - Mujer - Español";
        QTest::newRow("a service voice while the service is away: kept for the next start")
            << QByteArray("[tts]\nNumero sintetitzador=1\nNom sintetitzador=" + adam.toUtf8() +
                          "\nSintetitzador triat=SI\n")
            << false << false << "UPCTV - Dona - Català" << adam;
        QTest::newRow("a file of an older copy: the stored place")
            << QByteArray("[tts]\nNumero sintetitzador=2\n") << true << false << espanyol
            << espanyol;
    }

    void veuQueParla()
    {
        QFETCH(QByteArray, fitxer);
        QFETCH(bool, servei);
        QFETCH(bool, castella);
        QFETCH(QString, veu);
        QFETCH(QString, guardada);
        m_servei->fallarEnCrear = !servei;
        QTemporaryDir carpeta;
        const QString cami = carpeta.filePath(QStringLiteral("trimbol.ini"));
        if (!fitxer.isEmpty()) {
            QFile f(cami);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(fitxer);
        }
        TFormPrincipal principal;
        TFormTTS opcions(principal, cami, true);
        if (castella)
            ClicarCastella(opcions);
        QCOMPARE(Triada(opcions), veu);
        const bool deLaLlista = veu.startsWith(QLatin1String("Catalan")) ||
                                veu.startsWith(QLatin1String("Spanish"));
        const QStringList aplicades = m_servei->registre.filter(QStringLiteral("Voice "));
        if (deLaLlista)
            QCOMPARE(aplicades.value(aplicades.size() - 1), "Voice " + veu);
        else if (veu.startsWith(QLatin1String("UPCTV")))
            QCOMPARE(opcions.Motors->VeuUPCTVActual,
                     MotorsDeVeu::EntradesUPCTV().indexOf(veu));
        opcions.Close();
        QCOMPARE(FitxerConfiguracio(cami).ReadString("tts", "Nom sintetitzador", "<none>"),
                 guardada);
    }

    // The learner's pick in the list is what is stored, as chosen by hand.
    void triadaAMaEsGuarda()
    {
        QTemporaryDir carpeta;
        const QString cami = carpeta.filePath(QStringLiteral("trimbol.ini"));
        TFormPrincipal principal;
        TFormTTS opcions(principal, cami, true);
        QListWidget *llista = opcions.ui->ListBoxMotorsDeVeu;
        opcions.show();
        QVERIFY(QTest::qWaitForWindowExposed(&opcions));
        llista->setFocus();
        QTest::keyClick(llista, Qt::Key_Down);
        QCOMPARE(Triada(opcions), "Catalan+Adam - Catalan (Spain)");
        opcions.Close();
        const FitxerConfiguracio llegit(cami);
        QCOMPARE(llegit.ReadString("tts", "Nom sintetitzador", ""), "Catalan+Adam - Catalan (Spain)");
        QCOMPARE(llegit.ReadString("tts", "Sintetitzador triat", ""), "SI");
        QCOMPARE(llegit.ReadString("tts", "Numero sintetitzador", ""), "1");
    }
};

QTEST_MAIN(TestEleccioVeu)
#include "tst_eleccioveu.moc"
