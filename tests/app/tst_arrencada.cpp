#include "Arrencada.h"
#include "ModalHelper.h"
#include "Rellotge.h"
#include "TFormTTSUi.h"
#include "Finestres.h"

#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// What the first options window found when it opened.
struct Obertura {
    bool vist = false;
    bool castella = false;
    bool llegir = false;
    bool ocult = false;
    QString registre;
    QString titolPrincipal;
};
} // namespace

// The start-up sequence on a prepared settings file, up to the first visit
// to the options window.
class TestArrencada : public QObject
{
    Q_OBJECT

    static Obertura Arrencar(const QByteArray &fitxer, int &pausa)
    {
        QTemporaryDir carpeta;
        const QString cami = carpeta.filePath(QStringLiteral("trimbol.ini"));
        if (!fitxer.isNull()) {
            QFile f(cami);
            f.open(QIODevice::WriteOnly);
            f.write(fitxer);
        }
        Rellotge::setAcceleracio(1000);
        Obertura obertura;
        {
            Arrencada arrencada(cami);
            RespondreModal<TFormTTS>(
                [&](QWidget *) {
                    obertura.vist = true;
                    obertura.castella = arrencada.FormTTS.ui->CheckBoxMenuCastellano->isChecked();
                    obertura.llegir = arrencada.FormTTS.ui->CheckBoxLlegirResultat->isChecked();
                    obertura.ocult = arrencada.FormPrincipal.ui->CheckBoxNoVeure->isChecked() &&
                                     arrencada.FormPrincipal.ui->LabelOperacio->isHidden();
                    obertura.registre = arrencada.FormPrincipal.ui->MemoCarpeta->toPlainText();
                    obertura.titolPrincipal = arrencada.FormPrincipal.windowTitle();
                    // The very first copy holds only its trailer.
                    arrencada.FormTTS.ui->ButtonCopiarALaCarpeta->click();
                },
                &arrencada.FormPrincipal);
            arrencada.Iniciar(1000);
            // The splash is over: full height and its OK button again.
            const int alcada = arrencada.AboutBox.height();
            (void)QTest::qWaitFor([&] { return obertura.vist; }, 10000);
            pausa = arrencada.FormPrincipal.PausaResposta;
            if (alcada != 383 || arrencada.AboutBox.findChild<QWidget *>(QStringLiteral("OKButton"))->isHidden())
                pausa = -1;
        }
        Rellotge::setAcceleracio(1);
        return obertura;
    }

private slots:
    void storedLanguage_data()
    {
        QTest::addColumn<QByteArray>("fitxer");
        QTest::addColumn<bool>("castella");
        QTest::newRow("2") << QByteArray("[TRIMBOL]\nLLENGUA=2\n") << true;
        QTest::newRow("1") << QByteArray("[TRIMBOL]\nLLENGUA=1\n") << false;
        QTest::newRow("empty") << QByteArray("[TRIMBOL]\nLLENGUA=\n") << false;
        QTest::newRow("3") << QByteArray("[TRIMBOL]\nLLENGUA=3\n") << false;
        QTest::newRow("es") << QByteArray("[TRIMBOL]\nLLENGUA=es\n") << false;
        QTest::newRow("no key") << QByteArray("[TRIMBOL]\n") << false;
        QTest::newRow("no file") << QByteArray() << false;
    }
    void storedLanguage()
    {
        QFETCH(QByteArray, fitxer);
        QFETCH(bool, castella);
        int pausa = 0;
        const Obertura o = Arrencar(fitxer, pausa);
        QVERIFY(o.vist);
        QCOMPARE(o.castella, castella);
        QCOMPARE(o.titolPrincipal.startsWith(QStringLiteral("Matemáticas")), castella);
        QVERIFY(o.registre.isEmpty());
        QCOMPARE(pausa, 1500);
        const QStringList copia = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(copia.size(), 3);
        QVERIFY(copia[0].isEmpty() && !copia[1].isEmpty() && copia[2].isEmpty());
    }

    void storedChoices_data()
    {
        QTest::addColumn<QByteArray>("fitxer");
        QTest::addColumn<bool>("llegir");
        QTest::addColumn<bool>("ocult");
        QTest::newRow("SI") << QByteArray("[TRIMBOL]\r\nLLEGIR=SI\r\nCheckBoxNoVeure=SI\r\n") << true << true;
        QTest::newRow("si is not SI") << QByteArray("[trimbol]\nllegir=si\ncheckboxnoveure=Si\n") << false << false;
        QTest::newRow("keys match without case") << QByteArray("[trimbol]\nllegir=SI\n") << true << false;
    }
    void storedChoices()
    {
        QFETCH(QByteArray, fitxer);
        QFETCH(bool, llegir);
        QFETCH(bool, ocult);
        int pausa = 0;
        const Obertura o = Arrencar(fitxer, pausa);
        QCOMPARE(o.llegir, llegir);
        QCOMPARE(o.ocult, ocult);
        QCOMPARE(pausa, llegir ? 3000 : 1500);
    }
};

QTEST_MAIN(TestArrencada)
#include "tst_arrencada.moc"
