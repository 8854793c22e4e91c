#include "../speech/VeuFalsa.h"
#include "AccesOpcions.h"
#include "Escaneig.h"
#include "Finestres.h"
#include "MarcEscaneig.h"
#include "ModalHelper.h"
#include "TextosAcces.h"
#include "FinestraAccesUi.h"

#include <QAccessible>
#include <QtTest>

// The "Accés" window on the real windows: the ways in from the options
// window (mouse, keyboard, the switches while a scan runs), its texts in
// both languages, and its settings reaching the file and the scan.
class TestAcces : public QObject
{
    Q_OBJECT

    static FinestraAcces &acces(Finestres &f) { return f.opcions.acces().finestra(); }

    static void marcar(QCheckBox *casella)
    {
        QTest::mouseClick(casella, Qt::LeftButton, {}, QPoint(8, casella->height() / 2));
    }

    // Leaves the options window with directed scanning ticked.
    static void escaneigDirigit(Finestres &f)
    {
        RespondreModal<TFormTTS>([&](QWidget *) {
            marcar(f.opcions.ui->CheckBoxEscaneigDirigit);
            QTest::mouseClick(f.opcions.ui->BitBtnDAcord, Qt::LeftButton);
        });
        f.principal.SpeedButtonMenuClick();
    }

    // Steps the scan of the open window with the right switch (Enter) until
    // `control` is framed.
    static bool enmarcar(Finestres &f, QWidget *finestra, QWidget *control)
    {
        for (int pas = 0; pas < 80; ++pas) {
            if (f.principal.escaneig().Dialegs().Enmarcat() == control)
                return true;
            QTest::keyClick(finestra->focusWidget() ? finestra->focusWidget() : finestra,
                            Qt::Key_Return);
        }
        return false;
    }

private slots:
    void init()
    {
        VeuFalsa::RegistrarEscriptori({QStringLiteral("Veu de prova")});
    }

    void waysIn_data()
    {
        QTest::addColumn<int>("via");
        QTest::newRow("mouse") << 0;
        QTest::newRow("Tab and Space") << 1;
        QTest::newRow("the switches while a directed scan runs") << 2;
    }

    void waysIn()
    {
        QFETCH(int, via);
        Finestres f;
        f.principal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.principal));
        if (via == 2)
            escaneigDirigit(f);
        QPushButton *boto = f.opcions.ui->ButtonAcces;
        auto vista = std::make_shared<bool>(false);
        RespondreModal<TFormTTS>([&](QWidget *opcions) {
            vista = RespondreModal<FinestraAcces>([&](QWidget *finestra) {
                auto &u = *acces(f).ui;
                if (via == 2) {
                    // The switches work the "Accés" window too.
                    QVERIFY(enmarcar(f, finestra, u.ButtonMesVoltes));
                    QTest::keyClick(finestra->focusWidget(), Qt::Key_Space);
                } else {
                    QTest::mouseClick(u.ButtonMesVoltes, Qt::LeftButton);
                }
                if (via == 2)
                    QVERIFY(enmarcar(f, finestra, u.ButtonTancar));
            });
            if (via == 0) {
                QTest::mouseClick(boto, Qt::LeftButton);
            } else if (via == 1) {
                for (int pas = 0; pas < 80 && opcions->focusWidget() != boto; ++pas)
                    QTest::keyClick(opcions->focusWidget() ? opcions->focusWidget() : opcions,
                                    Qt::Key_Tab);
                QCOMPARE(opcions->focusWidget(), boto);
                QTest::keyClick(boto, Qt::Key_Space);
            } else {
                QVERIFY(enmarcar(f, opcions, boto));
                QTest::keyClick(opcions->focusWidget(), Qt::Key_Space);
            }
        });
        f.principal.SpeedButtonMenuClick();
        QVERIFY(*vista);
        FitxerConfiguracio fitxer(f.carpeta.filePath("trimbol.ini"));
        QCOMPARE(fitxer.ReadString("Accessibilitat", "VoltesEscaneig", ""), QStringLiteral("1"));
        QCOMPARE(f.opcions.acces().configuracio().voltes(), 1);
    }

    // The button fits beside the fixed layout without covering anything.
    void buttonFitsTheLayout()
    {
        Finestres f;
        QWidget *boto = f.opcions.ui->ButtonAcces;
        for (QWidget *control : f.opcions.findChildren<QWidget *>()) {
            if (control == boto || control->parentWidget() != &f.opcions || control->isHidden())
                continue;
            QVERIFY2(!control->geometry().intersects(boto->geometry()),
                     qPrintable(control->objectName()));
        }
    }

    void bothLanguages_data()
    {
        QTest::addColumn<bool>("castella");
        QTest::newRow("Catalan") << false;
        QTest::newRow("Spanish") << true;
    }

    void bothLanguages()
    {
        QFETCH(bool, castella);
        const Llengua llengua = castella ? Llengua::Castella : Llengua::Catala;
        Finestres f(llengua);
        f.opcions.ui->CheckBoxMenuCastellano->setChecked(castella);
        QCOMPARE(f.opcions.ui->ButtonAcces->text(),
                 castella ? QStringLiteral("Acceso...") : QStringLiteral("Accés..."));
        FinestraAcces &finestra = acces(f);
        RespondreModal<FinestraAcces>([&](QWidget *) {
            QCOMPARE(finestra.windowTitle(), Textos::titolAcces(llengua));
            for (const TextControl &t : Textos::acces()) {
                auto *control = finestra.findChild<QWidget *>(QString::fromLatin1(t.control));
                QVERIFY2(control, t.control);
                QCOMPARE(control->property("text").toString(), t.en(llengua));
                QVERIFY2(control->sizeHint().width() <= control->width(), t.control);
            }
            // Every control is named by its visible text for a screen reader.
            for (QWidget *control : finestra.findChildren<QWidget *>()) {
                const QString text = control->property("text").toString();
                if (text.isEmpty() || !control->isVisible())
                    continue;
                QAccessibleInterface *a = QAccessible::queryAccessibleInterface(control);
                QVERIFY(a);
                QVERIFY2(a->text(QAccessible::Name).contains(text, Qt::CaseInsensitive),
                         qPrintable(control->objectName() + ": " + a->text(QAccessible::Name)));
            }
            QCOMPARE(finestra.ui->LabelValorVoltes->text(), Textos::senseLimit(llengua));
            QCOMPARE(finestra.ui->LabelValorPermanencia->text(), Textos::desactivada(llengua));
            QVERIFY(!finestra.ui->ButtonMenysAcceptacio->isEnabled());
            // With TRIMBOL_CAPTURES=<folder>, pictures of both windows.
            if (const QString carpeta = qEnvironmentVariable("TRIMBOL_CAPTURES"); !carpeta.isEmpty()) {
                const QString idioma = castella ? "es" : "ca";
                finestra.grab().save(carpeta + "/acces-" + idioma + ".png");
                f.opcions.grab().save(carpeta + "/opcions-" + idioma + ".png");
            }
        });
        f.opcions.acces().Obrir();
    }

    // The frame chosen in the window is the frame the learner sees.
    void frameOnTheKeypad_data()
    {
        QTest::addColumn<int>("color");
        QTest::addColumn<int>("gruix");
        for (int c = 0; c < 3; ++c)
            for (int g = 0; g < 3; ++g)
                QTest::addRow("colour %d, width %d", c, g) << c << g;
    }

    void frameOnTheKeypad()
    {
        QFETCH(int, color);
        QFETCH(int, gruix);
        Finestres f;
        auto &u = *acces(f).ui;
        const QList<QRadioButton *> colors{u.RadioButtonColorGroc, u.RadioButtonColorVermell,
                                           u.RadioButtonColorBlau};
        const QList<QRadioButton *> gruixos{u.RadioButtonGruixFi, u.RadioButtonGruixMitja,
                                            u.RadioButtonGruixGruixut};
        RespondreModal<FinestraAcces>([&](QWidget *) {
            QTest::mouseClick(colors[color], Qt::LeftButton, {}, QPoint(8, 16));
            QTest::mouseClick(gruixos[gruix], Qt::LeftButton, {}, QPoint(8, 16));
        });
        f.opcions.acces().Obrir();
        FitxerConfiguracio fitxer(f.carpeta.filePath("trimbol.ini"));
        QCOMPARE(fitxer.ReadString("Accessibilitat", "ColorMarc", "0"), QString::number(color));
        QCOMPARE(fitxer.ReadString("Accessibilitat", "GruixMarc", "0"), QString::number(gruix));
        f.principal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.principal));
        escaneigDirigit(f);
        for (int i = 0; i < 6; ++i)
            f.principal.escaneig().CommutadorDret();
        MarcEscaneig *marc = f.principal.escaneig().Marc();
        const int pixels = marc->Estil().gruix;
        QCOMPARE(pixels, 6 + 4 * gruix);
        QCOMPARE(marc->geometry(),
                 f.ui().Button6->geometry().adjusted(-pixels, -pixels, pixels, pixels));
        if (qEnvironmentVariableIsSet("TRIMBOL_CAPTURES"))
            f.principal.grab().save(QStringLiteral("%1/teclat-%2-%3.png")
                                        .arg(qEnvironmentVariable("TRIMBOL_CAPTURES"))
                                        .arg(color)
                                        .arg(gruix));
    }
};

QTEST_MAIN(TestAcces)
#include "tst_finestraacces.moc"
