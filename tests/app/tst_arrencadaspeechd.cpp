#include "../speech/ServeiPropi.h"
#include "../speech/VeusDelServei.h"
#include "Arrencada.h"
#include "ModalHelper.h"
#include "FilSpeechd.h"
#include "PreparacioSpeechd.h"
#include "Rellotge.h"
#include "TFormTTSUi.h"

#include <QListWidget>
#include <QtTest>

// The real start-up on a machine where the desktop's speech service runs,
// with thousands of voices: a service of the test's own, with the espeak-ng
// module. The program takes its head start as it does from main().
class TestArrencadaSpeechd : public QObject
{
    Q_OBJECT

    std::unique_ptr<ServeiPropi> m_servei;
    QStringList m_noms;

private slots:
    void initTestCase()
    {
        if (!ServeiPropi::Instalat())
            QSKIP("speech-dispatcher with its espeak-ng module is not installed");
        m_servei = std::make_unique<ServeiPropi>();
        QVERIFY(m_servei->Esperar());
        QVERIFY(VeusDelServei(m_servei->Socol()).size() > 1000);
        m_noms = VeusDelServei(m_servei->Socol(), true);
        QVERIFY(m_noms.size() > 100);
        // Listing thirteen thousand voices under the sanitizers takes a while.
        FilSpeechd::setEsperaVeus(60000);
        // The program finds the service as on a desktop: by the environment.
        qputenv("SPEECHD_ADDRESS", m_servei->Adreca().toUtf8());
        Rellotge::setAcceleracio(1000);
    }

    void cleanupTestCase()
    {
        Rellotge::setAcceleracio(1);
        FilSpeechd::setEsperaVeus(700);
        m_servei.reset();
    }

    // The options window lists the service's Catalan and Spanish voices
    // first, Catalan first, and then the engine library's four; a voice
    // picked from the keyboard or clicked is applied at the service and
    // stored; speech then goes to the service and ends.
    void opcionsAmbLesVeusDelServei_data()
    {
        QTest::addColumn<QString>("tecles"); // typed, "Home Down", or "click"
        QTest::addColumn<QString>("veu");
        // The first voice, "Catalan", is in use already: typing moves on.
        const QStringList espanyoles = m_noms.filter(QRegularExpression("^Spanish"));
        QVERIFY(!espanyoles.isEmpty());
        QTest::newRow("typed name") << "Spanish" << espanyoles.first();
        QTest::newRow("Home, Down") << "Home Down" << m_noms.value(1);
        QTest::newRow("mouse click") << "click" << m_noms.value(2);
    }
    void opcionsAmbLesVeusDelServei()
    {
        QFETCH(QString, tecles);
        QFETCH(QString, veu);
        const int fila = m_noms.indexOf(veu);
        QVERIFY(fila >= 0);
        QTemporaryDir carpeta;
        const QString cami = carpeta.filePath(QStringLiteral("trimbol.ini"));
        const PreparacioSpeechd preparacio;
        Arrencada arrencada(cami);
        QListWidget *llista = arrencada.FormTTS.ui->ListBoxMotorsDeVeu;
        QStringList entrades;
        QString triada;
        const auto vist = RespondreModal<TFormTTS>(
            [&](QWidget *) {
                for (int i = 0; i < llista->count(); ++i)
                    entrades << llista->item(i)->text();
                if (tecles == QLatin1String("click")) {
                    QListWidgetItem *item = llista->item(fila);
                    llista->scrollToItem(item);
                    QTest::mouseClick(llista->viewport(), Qt::LeftButton, {},
                                      llista->visualItemRect(item).center());
                } else if (tecles == QLatin1String("Home Down")) {
                    QTest::keyClick(llista, Qt::Key_Home);
                    QTest::keyClick(llista, Qt::Key_Down);
                } else {
                    QTest::keyClicks(llista, tecles);
                }
                triada = llista->currentItem() ? llista->currentItem()->text() : QString();
            },
            &arrencada.FormPrincipal, 100000);
        arrencada.Iniciar(1000);
        QVERIFY(QTest::qWaitFor([&] { return *vist; }, 120000));

        QCOMPARE(entrades.size(), m_noms.size() + 4);
        for (int i = 0; i < m_noms.size(); ++i)
            QVERIFY2(entrades[i].startsWith(m_noms[i] + QStringLiteral(" - ")),
                     qPrintable(entrades[i]));
        QCOMPARE(entrades[m_noms.size()], QStringLiteral("UPCTV - Home - Català"));
        QCOMPARE(arrencada.FormTTS.Motors->NumVeusMSP, m_noms.size());
        QCOMPARE(triada, entrades[fila]);
        FitxerConfiguracio &fitxer = arrencada.FormTTS.configuracio();
        QCOMPARE(fitxer.ReadString("tts to Wav", "Tipus de sintetitzador", ""), "MSP");
        QCOMPARE(fitxer.ReadString("tts to Wav", "Sintetitzador", ""), QString::number(fila));
        QVERIFY(QTest::qWaitFor(
            [&] { return m_servei->Registre().contains("SYNTHESIS_VOICE " + veu.toUtf8()); },
            10000));

        // Reading aloud: the drill hands its texts over without waiting;
        // the last one is waited for, and the wait ends.
        arrencada.FormPrincipal.ParlarOperacio(QStringLiteral("7 x 8"));
        arrencada.FormPrincipal.ParlarOperacio(QStringLiteral("7 x 8 = 56"));
        arrencada.FormTTS.Motors->VeuMSP->Speak(QStringLiteral("Molt bé."), 0);
        QVERIFY(m_servei->Registre().contains("7 per 8 = 56"));
    }
};

QTEST_MAIN(TestArrencadaSpeechd)
#include "tst_arrencadaspeechd.moc"
