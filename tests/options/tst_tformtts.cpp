#include "../app/Finestres.h"
#include "../speech/VeuFalsa.h"
#include "ModalHelper.h"

#include <QFile>
#include <QMessageBox>
#include <QtTest>

namespace {
QString LlegirFitxer(const QString &cami)
{
    QFile fitxer(cami);
    if (!fitxer.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(fitxer.readAll());
}

void EscriureFitxer(const QString &cami, const QByteArray &contingut)
{
    QFile fitxer(cami);
    QVERIFY(fitxer.open(QIODevice::WriteOnly));
    fitxer.write(contingut);
}

// Answers the next message box, keeping its text in `missatge`.
std::shared_ptr<bool> LlegirMissatge(QString &missatge, QObject *context)
{
    return RespondreModal<QMessageBox>(
        [&missatge](QWidget *modal) { missatge = static_cast<QMessageBox *>(modal)->text(); },
        context);
}

// Main, game and options windows on a settings file written beforehand.
struct FinestresAmbFitxer {
    QTemporaryDir carpeta;
    explicit FinestresAmbFitxer(const QByteArray &contingut)
    {
        EscriureFitxer(cami(), contingut);
    }
    QString cami() const { return carpeta.filePath(QStringLiteral("trimbol.ini")); }
};
} // namespace

class TestTFormTTS : public QObject
{
    Q_OBJECT

private slots:
    void layout_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QRect>("geometria");
        QTest::newRow("ListBoxMotorsDeVeu") << "ListBoxMotorsDeVeu" << QRect(312, 24, 640, 193);
        QTest::newRow("LabelTempsEscaneig") << "LabelTempsEscaneig" << QRect(316, 296, 124, 21);
        QTest::newRow("LabelInstalar") << "LabelInstalar" << QRect(680, 236, 261, 21);
        QTest::newRow("RadioButtonTS1X") << "RadioButtonTS1X" << QRect(16, 64, 193, 17);
        QTest::newRow("RadioButtonME2X") << "RadioButtonME2X" << QRect(16, 352, 241, 17);
        QTest::newRow("BitBtnDAcord") << "BitBtnDAcord" << QRect(8, 513, 161, 65);
        QTest::newRow("BitBtnSortir") << "BitBtnSortir" << QRect(800, 509, 161, 65);
        QTest::newRow("ButtonCopiarALaCarpeta") << "ButtonCopiarALaCarpeta" << QRect(688, 432, 273, 57);
        QTest::newRow("SpinEditIntervalEscaneig") << "SpinEditIntervalEscaneig" << QRect(464, 288, 57, 31);
        QTest::newRow("UpDownEditIntervalEscaneig") << "UpDownEditIntervalEscaneig" << QRect(496, 280, 113, 49);
        QTest::newRow("BitBtnHelp") << "BitBtnHelp" << QRect(10, 432, 161, 65);
    }
    void layout()
    {
        QFETCH(QString, nom);
        QFETCH(QRect, geometria);
        Finestres f;
        QWidget *control = f.opcions.findChild<QWidget *>(nom);
        QVERIFY2(control, qPrintable(nom));
        QCOMPARE(control->mapTo(&f.opcions, QPoint(0, 0)), geometria.topLeft());
        // Labels fit their width to their caption; other controls keep their size.
        if (qobject_cast<QLabel *>(control))
            QVERIFY(control->width() >= control->sizeHint().width());
        else
            QCOMPARE(control->size(), geometria.size());
        QCOMPARE(f.opcions.size(), QSize(971, 588));
    }

    void tabOrderOfTheKinds()
    {
        Finestres f;
        const QStringList ordre{"RadioButtonTS1X",  "RadioButtonTM1X",  "RadioButtonSE1X",
                                "RadioButtonME1X",  "RadioButtonSE2X",  "RadioButtonME2X",
                                "RadioButtonS3E1X", "RadioButtonM3E1X", "RadioButtonTD1X",
                                "RadioButtonTR1X"};
        for (int i = 0; i + 1 < ordre.size(); ++i) {
            QWidget *a = f.opcions.findChild<QWidget *>(ordre[i]);
            QCOMPARE(a->nextInFocusChain()->objectName(), ordre[i + 1]);
        }
    }

    void firstRunWritesNothingUntilClosing()
    {
        Finestres f;
        const QString cami = f.opcions.configuracio().cami();
        QVERIFY(!QFile::exists(cami));
        QCOMPARE(f.opcions.ui->SpinEditIntervalEscaneig->value(), 10);
        QCOMPARE(f.opcions.ui->SpinEditTaulesFinsLesDe->value(), 10);
        QVERIFY(f.opcions.ui->ButtonParlar->isHidden());
        QVERIFY(f.opcions.ui->EditText->isHidden());
        QVERIFY(f.opcions.ui->RadioButtonSE1X->isHidden());
        f.opcions.open();
        f.opcions.close(); // the title-bar button
        const QString text = LlegirFitxer(cami);
        QVERIFY(text.contains(QStringLiteral("[Accessibilitat]")));
        QVERIFY(text.contains(QStringLiteral("SpinEditIntervalEscaneig=10")));
        QVERIFY(text.contains(QStringLiteral("[TRIMBOL]")));
        QVERIFY(text.contains(QStringLiteral("LLEGIR=NO")));
        QVERIFY(text.contains(QStringLiteral("LLENGUA=1")));
    }

    void storedInterval_data()
    {
        QTest::addColumn<QByteArray>("guardat");
        QTest::addColumn<int>("mostrat");
        QTest::addColumn<bool>("error");
        QTest::newRow("0 is raised to 1") << QByteArray("0") << 1 << false;
        QTest::newRow("99 is lowered to 50") << QByteArray("99") << 50 << false;
        QTest::newRow("7") << QByteArray("7") << 7 << false;
        QTest::newRow("negative") << QByteArray("-3") << 1 << false;
        QTest::newRow("not a number") << QByteArray("abc") << 10 << true;
        QTest::newRow("decimal") << QByteArray("2.5") << 10 << true;
    }
    void storedInterval()
    {
        QFETCH(QByteArray, guardat);
        QFETCH(int, mostrat);
        QFETCH(bool, error);
        FinestresAmbFitxer fitxer("[Accessibilitat]\r\nSpinEditIntervalEscaneig=" + guardat + "\r\n");
        QString missatge;
        QObject vigilancia;
        auto vist = LlegirMissatge(missatge, &vigilancia);
        TFormPrincipal principal;
        TFormTTS opcions(principal, fitxer.cami(), true);
        QCOMPARE(opcions.ui->SpinEditIntervalEscaneig->value(), mostrat);
        QCOMPARE(*vist, error);
        if (error)
            QCOMPARE(missatge, "'" + QString::fromLatin1(guardat) + "' is not a valid integer value");
    }

    // "Llegir les tecles" is kept under [Accessibilitat] as SI or NO, read
    // when the window is created and written at every closing.
    void readKeysAloudStored_data()
    {
        QTest::addColumn<QByteArray>("fitxer");
        QTest::addColumn<bool>("marcat");
        QTest::newRow("SI") << QByteArray("[Accessibilitat]\r\nLlegirTecles=SI\r\n") << true;
        QTest::newRow("key without case") << QByteArray("[accessibilitat]\nllegirtecles=SI\n") << true;
        QTest::newRow("si is not SI") << QByteArray("[Accessibilitat]\nLlegirTecles=si\n") << false;
        QTest::newRow("NO") << QByteArray("[Accessibilitat]\nLlegirTecles=NO\n") << false;
        QTest::newRow("no key") << QByteArray("[TRIMBOL]\nLLENGUA=2\n") << false;
    }
    void readKeysAloudStored()
    {
        QFETCH(QByteArray, fitxer);
        QFETCH(bool, marcat);
        FinestresAmbFitxer f(fitxer);
        TFormPrincipal principal;
        TFormTTS opcions(principal, f.cami(), true);
        QCheckBox *casella = opcions.ui->CheckBoxLlegirTecles;
        QCOMPARE(casella->isChecked(), marcat);
        QTest::mouseClick(casella, Qt::LeftButton, {}, QPoint(8, casella->height() / 2));
        opcions.Close();
        FitxerConfiguracio llegit(f.cami());
        QCOMPARE(llegit.ReadString("Accessibilitat", "LlegirTecles", "<none>"), marcat ? "NO" : "SI");
        // The other keys of the closing are written first, as ever.
        QCOMPARE(llegit.ReadString("TRIMBOL", "LLENGUA", "<none>"), QStringLiteral("1"));
    }

    // The box lies inside the scanning panel and over no other control.
    void readKeysAloudBoxFits()
    {
        Finestres f;
        QWidget *casella = f.opcions.ui->CheckBoxLlegirTecles;
        const QRect lloc(casella->mapTo(&f.opcions, QPoint(0, 0)), casella->size());
        QVERIFY(QRect(304, 8, 657, 353).contains(lloc));
        for (QWidget *control : f.opcions.findChildren<QWidget *>()) {
            if (control == casella || control->isAncestorOf(casella) || casella->isAncestorOf(control) ||
                control->isHidden() || control->objectName().isEmpty())
                continue;
            const QRect altre(control->mapTo(&f.opcions, QPoint(0, 0)), control->size());
            // Panel1, the frame behind it, holds it whole.
            QVERIFY2(altre.contains(lloc) || !altre.intersects(lloc), qPrintable(control->objectName()));
        }
        QVERIFY(casella->sizeHint().width() <= casella->width());
    }

    void tableLimitArrows()
    {
        Finestres f;
        f.opcions.UpDownEditTaulesFinsLesDeClick(UpDown::Boto::Seguent);
        QCOMPARE(f.opcions.TaulaMaxima, 10);
        for (int i = 0; i < 9; ++i)
            f.opcions.UpDownEditTaulesFinsLesDeClick(UpDown::Boto::Anterior);
        QCOMPARE(f.opcions.TaulaMaxima, 1);
        QCOMPARE(f.opcions.ui->SpinEditTaulesFinsLesDe->value(), 1);
        f.opcions.UpDownEditTaulesFinsLesDeClick(UpDown::Boto::Anterior);
        QCOMPARE(f.opcions.TaulaMaxima, 1);
        f.opcions.ui->UpDownEditTaulesFinsLesDe->fletxa(UpDown::Boto::Seguent)->click();
        QCOMPARE(f.opcions.ui->SpinEditTaulesFinsLesDe->value(), 2);
    }

    void scanningIntervalArrowsAndBoxes()
    {
        Finestres f;
        auto *camp = f.opcions.ui->SpinEditIntervalEscaneig;
        camp->setValue(50);
        f.opcions.UpDownEditIntervalEscaneigClick(UpDown::Boto::Seguent);
        QCOMPARE(camp->value(), 50);
        camp->setValue(1);
        f.opcions.UpDownEditIntervalEscaneigClick(UpDown::Boto::Anterior);
        QCOMPARE(camp->value(), 1);
        f.opcions.UpDownEditIntervalEscaneigClick(UpDown::Boto::Seguent);
        QCOMPARE(camp->value(), 2);

        f.opcions.ui->CheckBoxEscaneig->setChecked(true);
        f.opcions.ui->CheckBoxEscaneigDirigit->setChecked(true);
        QVERIFY(!f.opcions.ui->CheckBoxEscaneig->isChecked());
        f.opcions.ui->CheckBoxEscaneig->setChecked(true);
        QVERIFY(!f.opcions.ui->CheckBoxEscaneigDirigit->isChecked());
        f.opcions.ui->CheckBoxEscaneig->setChecked(false);
        QVERIFY(!f.opcions.ui->CheckBoxEscaneigDirigit->isChecked());
    }

    void choosingAKindRestartsTheRun()
    {
        Finestres f;
        f.principal.ReiniciarSessio(QStringLiteral("x"));
        f.principal.NombrePreguntes = 5;
        const int linies = f.registre().size();
        f.opcions.ui->RadioButtonTR1X->click();
        QCOMPARE(f.principal.NombrePreguntes, 0);
        QCOMPARE(f.principal.TitolSessio, QStringLiteral("Taules de restar. 1 xifra"));
        QCOMPARE(f.registre().size(), linies + 3);
        // A click on the selected kind does nothing.
        f.opcions.ui->RadioButtonTR1X->click();
        QCOMPARE(f.registre().size(), linies + 3);
    }

    void secondaryKinds()
    {
        Finestres f;
        f.principal.show();
        f.opcions.ui->RadioButtonTR1X->setChecked(true);
        const int linies = f.registre().size();
        f.opcions.ui->CheckBoxSecundaria->setChecked(true);
        QVERIFY(f.opcions.ui->RadioButtonTM1X->isChecked());
        QCOMPARE(f.registre().size(), linies + 3); // one header block
        QCOMPARE(f.registre().last(), QStringLiteral("Taules de multiplicar. 1 xifra"));
        QVERIFY(!f.opcions.ui->RadioButtonSE1X->isHidden());
        f.opcions.ui->RadioButtonSE2X->setChecked(true);
        QVERIFY(f.ui().ButtonMenys->isVisible());
        f.opcions.ui->CheckBoxSecundaria->setChecked(false);
        QVERIFY(f.opcions.ui->RadioButtonTM1X->isChecked());
        QVERIFY(!f.ui().ButtonMenys->isVisible());
        QVERIFY(f.opcions.ui->RadioButtonSE2X->isHidden());
        // Already on the multiplication tables: only shows or hides the six.
        const int abans = f.registre().size();
        f.opcions.ui->CheckBoxSecundaria->setChecked(true);
        QCOMPARE(f.registre().size(), abans);
    }

    void readAloudSetsThePause()
    {
        Finestres f;
        f.opcions.ui->CheckBoxLlegirResultat->setChecked(true);
        QCOMPARE(f.principal.PausaResposta, 3000);
        QCOMPARE(f.opcions.configuracio().ReadString("TRIMBOL", "LLEGIR", "?"), QStringLiteral("?"));
        f.opcions.ui->CheckBoxLlegirResultat->setChecked(false);
        QCOMPARE(f.principal.PausaResposta, 1500);
    }

    // The mouse applies the clicked voice, a second click applies it again,
    // and the arrow keys apply the entry they move to.
    void clickedVoiceIsApplied_data()
    {
        QTest::addColumn<QString>("entrada");
        QTest::addColumn<QString>("tipus");
        QTest::addColumn<QString>("lloc");
        QTest::addColumn<QString>("veu");
        QTest::newRow("the entry selected at start") << "Veu A" << "MSP" << "0" << "Voice Veu A";
        QTest::newRow("another desktop voice") << "Veu B" << "MSP" << "1" << "Voice Veu B";
        QTest::newRow("a SAPI voice") << "SAPI - Veu C" << "SAPI" << "0" << "Voice Veu C";
        QTest::newRow("the engine library") << "UPCTV - Dona - Català" << "UPCTV" << "" << "";
    }
    void clickedVoiceIsApplied()
    {
        QFETCH(QString, entrada);
        QFETCH(QString, tipus);
        QFETCH(QString, lloc);
        QFETCH(QString, veu);
        qputenv("UPCTV_SILENCI", "1");
        const auto restablir = qScopeGuard([] { RegistreVeus::Restablir(); });
        auto msp = VeuFalsa::Registrar(QStringLiteral("Speech.SpVoice"), {"Veu A", "Veu B"});
        auto sapi = VeuFalsa::Registrar(QStringLiteral("SAPI.SpVoice"), {"Veu C"});
        Finestres f;
        QListWidget *llista = f.opcions.ui->ListBoxMotorsDeVeu;
        f.opcions.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.opcions));
        const auto escrit = [&f](const char *clau) {
            return f.opcions.configuracio().ReadString("tts to Wav", clau, "");
        };
        const auto aplicacions = [&] { return (msp->registre + sapi->registre).count(veu); };

        ClicarEntrada(llista, entrada);
        QCOMPARE(escrit("Tipus de sintetitzador"), tipus);
        QCOMPARE(escrit("Sintetitzador"), lloc);
        if (veu.isEmpty()) {
            QCOMPARE(f.opcions.Motors->VeuUPCTVActual, 1);
        } else {
            QCOMPARE(aplicacions(), 1);
            ClicarEntrada(llista, entrada);
            QCOMPARE(aplicacions(), 2);
        }

        // Up from the clicked row: the group of each row of this list.
        const QStringList grups{"MSP", "MSP", "SAPI", "UPCTV", "UPCTV", "UPCTV", "UPCTV"};
        const int fila = llista->currentRow();
        QTest::keyClick(llista, Qt::Key_Up);
        QCOMPARE(llista->currentRow(), std::max(0, fila - 1));
        QCOMPARE(escrit("Tipus de sintetitzador"), grups[llista->currentRow()]);
    }

    // Enter presses the button that has the focus; elsewhere it is "Normal".
    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("mode");
        QTest::newRow("Normal") << "BitBtnDAcord" << int(TFormTTS::ModeNormal);
        QTest::newRow("60 seconds") << "BitBtnOperacions60" << int(TFormTTS::ModeJoc1);
        QTest::newRow("race") << "BitBtnContrarrellotge" << int(TFormTTS::ModeJoc2);
        QTest::newRow("exit") << "BitBtnSortir" << int(TFormTTS::ModeSortir);
        QTest::newRow("a check box") << "CheckBoxLlegirResultat" << int(TFormTTS::ModeNormal);
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, control);
        QFETCH(int, mode);
        Finestres f;
        f.opcions.ModeTriat = -1;
        f.opcions.open();
        QVERIFY(QTest::qWaitForWindowActive(&f.opcions));
        QWidget *enfocat = f.opcions.findChild<QWidget *>(control);
        enfocat->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), enfocat);
        QTest::keyClick(enfocat, Qt::Key_Return);
        QCOMPARE(f.opcions.ModeTriat, mode);
        QVERIFY(!f.opcions.isVisible());
    }

    // Every button with a glyph shows a picture that has something drawn on it.
    void glyphButtonsShowAPicture()
    {
        Finestres f;
        for (const char *nom : {"BitBtnDAcord", "BitBtnOperacions60", "BitBtnContrarrellotge",
                                "ButtonParlantDe", "BitBtnSortir", "BitBtnHelp"}) {
            const QImage imatge = f.opcions.findChild<QPushButton *>(nom)->icon().pixmap(32).toImage();
            int pintats = 0;
            for (int y = 0; y < imatge.height(); ++y)
                for (int x = 0; x < imatge.width(); ++x)
                    pintats += qAlpha(imatge.pixel(x, y)) > 128;
            QVERIFY2(pintats > 40, nom);
        }
    }

    void refusedWriteIsReported()
    {
        Finestres f;
        const QString cami = f.opcions.configuracio().cami();
        // A folder in the file's place: no write can succeed.
        QVERIFY(QDir().mkpath(cami));
        QString missatge;
        QObject vigilancia;
        auto vist = LlegirMissatge(missatge, &vigilancia);
        f.opcions.open();
        f.opcions.ui->BitBtnDAcord->click();
        QTRY_VERIFY(*vist);
        QVERIFY2(missatge.startsWith(QStringLiteral("Unable to write to ")), qPrintable(missatge));
        QVERIFY(missatge.contains(QStringLiteral("trimbol.ini")));
        QVERIFY(!f.opcions.isVisible());
    }
};

QTEST_MAIN(TestTFormTTS)
#include "tst_tformtts.moc"
