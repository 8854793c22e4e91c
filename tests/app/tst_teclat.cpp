#include "../speech/VeuFalsa.h"
#include "Arrencada.h"
#include "Escaneig.h"
#include "Finestres.h"
#include "MarcFocus.h"
#include "ModalHelper.h"
#include "PaginesAjuda.h"
#include "TFormAjuda.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QToolButton>
#include <QtTest>

#include <deque>

namespace
{

// The widget that keys go to in `finestra`: its focus, or itself.
QWidget *focusDe(QWidget *finestra)
{
    QWidget *focus = finestra->focusWidget();
    return focus ? focus : finestra;
}

// Presses Tab until `objectiu` has the focus; false if a whole round of the
// window's Tab stops never reaches it.
bool tabularFins(QWidget *finestra, QWidget *objectiu)
{
    // Focus changes reach the controls of the active window only.
    if (QApplication::activeWindow() != finestra) {
        finestra->activateWindow();
        if (!QTest::qWaitForWindowActive(finestra))
            return false;
    }
    for (int i = 0; i < 80 && focusDe(finestra) != objectiu; ++i)
        QTest::keyClick(focusDe(finestra), Qt::Key_Tab);
    return focusDe(finestra) == objectiu;
}

// Steps run one after another as their moment comes, from the event loop:
// each may open a modal window whose own steps then run inside it.
class Guio : public QObject
{
public:
    using Condicio = std::function<bool()>;
    using Accio = std::function<void()>;

    void quan(Condicio condicio, Accio accio)
    {
        passos.push_back({std::move(condicio), std::move(accio)});
    }
    bool acabat() const { return passos.empty() && !enCurs; }
    int fets = 0;

    void començar() { planificar(); }

private:
    // A timer does not fire again while its own slot runs, so every look
    // is a timer of its own: the next one fires inside a modal window that
    // the step before has opened.
    void planificar()
    {
        if (!passos.empty())
            QTimer::singleShot(5, this, [this] { mirar(); });
    }

    void mirar()
    {
        planificar();
        if (passos.empty() || !passos.front().first())
            return;
        const Accio accio = std::move(passos.front().second);
        passos.pop_front();
        ++enCurs;
        accio();
        --enCurs;
        ++fets;
    }

    std::deque<std::pair<Condicio, Accio>> passos;
    int enCurs = 0;
};

} // namespace

// The program worked from the keyboard alone.
class TestTeclat : public QObject
{
    Q_OBJECT

public slots:
    // Stands for the browser: pages the program asks to open.
    void obrir(const QUrl &pagina) { obertes << pagina; }

private:
    QList<QUrl> obertes;

private slots:
    void init()
    {
        // Fake voices: the test does not depend on the desktop's speech service.
        VeuFalsa::RegistrarEscriptori({QStringLiteral("Veu de prova")});
        obertes.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "obrir");
    }
    void cleanup() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    void f10OpensTheOptions_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::newRow("answer box") << "EditResultat";
        QTest::newRow("a key") << "Button7";
        QTest::newRow("the hide-question box") << "CheckBoxNoVeure";
    }

    void f10OpensTheOptions()
    {
        QFETCH(QString, focus);
        Finestres f;
        f.principal.show();
        QWidget *control = f.principal.findChild<QWidget *>(focus);
        control->setFocus();
        auto vist = RespondreModal<TFormTTS>();
        QTest::keyClick(control, Qt::Key_F10);
        QVERIFY(*vist);
        // The options cycle ran: a new run was started on closing.
        QVERIFY(!f.ui().LabelOperacio->text().isEmpty());
        // Tab reaches the button; a click leaves the focus where it was.
        QCOMPARE(f.ui().SpeedButtonMenu->focusPolicy(), Qt::TabFocus);
    }

    void pictureButtonHintNamesF10()
    {
        Finestres f;
        QCOMPARE(f.ui().SpeedButtonMenu->toolTip(), QStringLiteral("Opcions (F10)"));
        QTest::mouseClick(f.opcions.ui->CheckBoxMenuCastellano, Qt::LeftButton);
        QCOMPARE(f.ui().SpeedButtonMenu->toolTip(), QStringLiteral("Opciones (F10)"));
        QCOMPARE(f.opcions.ui->CheckBoxLlegirTecles->text(), QStringLiteral("Leer las teclas"));
        QTest::mouseClick(f.opcions.ui->CheckBoxMenuCastellano, Qt::LeftButton);
        QCOMPARE(f.ui().SpeedButtonMenu->toolTip(), QStringLiteral("Opcions (F10)"));
        QCOMPARE(f.opcions.ui->CheckBoxLlegirTecles->text(), QStringLiteral("Llegir les tecles"));
    }

    // Every arrow is a Tab stop that Space presses; the number fields beside
    // them are never reached and take no keys.
    void arrowsByTabAndSpace_data()
    {
        QTest::addColumn<QString>("fletxes");
        QTest::addColumn<QString>("camp");
        QTest::addColumn<bool>("seguent");
        QTest::addColumn<int>("premudes");
        QTest::addColumn<int>("valor");
        QTest::newRow("table limit, previous") << "UpDownEditTaulesFinsLesDe"
                                               << "SpinEditTaulesFinsLesDe" << false << 3 << 7;
        QTest::newRow("table limit, next at 10") << "UpDownEditTaulesFinsLesDe"
                                                 << "SpinEditTaulesFinsLesDe" << true << 1 << 10;
        QTest::newRow("interval, next") << "UpDownEditIntervalEscaneig"
                                        << "SpinEditIntervalEscaneig" << true << 2 << 12;
        QTest::newRow("interval, previous") << "UpDownEditIntervalEscaneig"
                                            << "SpinEditIntervalEscaneig" << false << 1 << 9;
    }

    void arrowsByTabAndSpace()
    {
        QFETCH(QString, fletxes);
        QFETCH(QString, camp);
        QFETCH(bool, seguent);
        QFETCH(int, premudes);
        QFETCH(int, valor);
        Finestres f;
        auto *updown = f.opcions.findChild<UpDown *>(fletxes);
        auto *spin = f.opcions.findChild<QSpinBox *>(camp);
        QToolButton *fletxa =
            updown->fletxa(seguent ? UpDown::Boto::Seguent : UpDown::Boto::Anterior);
        RespondreModal<TFormTTS>([&](QWidget *) {
            QVERIFY(tabularFins(&f.opcions, fletxa));
            for (int i = 0; i < premudes; ++i)
                QTest::keyClick(fletxa, Qt::Key_Space);
            QCOMPARE(spin->value(), valor);
            QVERIFY(f.opcions.isVisible());
            // The field refuses keys sent to it all the same.
            QTest::keyClick(spin, Qt::Key_Up);
            QTest::keyClicks(spin, "3");
            QCOMPARE(spin->value(), valor);
        });
        f.principal.SpeedButtonMenuClick();
        if (camp == QLatin1String("SpinEditTaulesFinsLesDe"))
            QCOMPARE(f.opcions.TaulaMaxima, valor);
    }

    void tabStopsOfTheOptionsWindow()
    {
        Finestres f;
        QSet<QWidget *> visitats;
        RespondreModal<TFormTTS>([&](QWidget *) {
            for (int i = 0; i < 80; ++i) {
                visitats << focusDe(&f.opcions);
                QTest::keyClick(focusDe(&f.opcions), Qt::Key_Tab);
            }
        });
        f.principal.SpeedButtonMenuClick();
        const auto &o = *f.opcions.ui;
        for (QWidget *parada :
             {static_cast<QWidget *>(o.LabelInstalar), static_cast<QWidget *>(o.BitBtnHelp),
              static_cast<QWidget *>(o.CheckBoxLlegirTecles),
              static_cast<QWidget *>(o.UpDownEditTaulesFinsLesDe->fletxa(UpDown::Boto::Anterior)),
              static_cast<QWidget *>(o.UpDownEditTaulesFinsLesDe->fletxa(UpDown::Boto::Seguent)),
              static_cast<QWidget *>(o.UpDownEditIntervalEscaneig->fletxa(UpDown::Boto::Anterior)),
              static_cast<QWidget *>(o.UpDownEditIntervalEscaneig->fletxa(UpDown::Boto::Seguent))})
            QVERIFY2(visitats.contains(parada), qPrintable(parada->objectName()));
        QVERIFY(!visitats.contains(o.SpinEditTaulesFinsLesDe));
        QVERIFY(!visitats.contains(o.SpinEditIntervalEscaneig));
    }

    void installLinkByKeyboard_data()
    {
        QTest::addColumn<int>("tecla");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    // The link opens the page on voices in the help window, over the
    // options window, which Escape gives back.
    void installLinkByKeyboard()
    {
        QFETCH(int, tecla);
        Finestres f;
        QLabel *enllac = f.opcions.ui->LabelInstalar;
        bool resaltat = false;
        QUrl mostrada;
        RespondreModal<TFormTTS>([&](QWidget *) {
            QVERIFY(tabularFins(&f.opcions, enllac));
            resaltat = enllac->autoFillBackground() && enllac->font().underline();
            QTest::keyClick(enllac, Qt::Key(tecla));
            auto *ajuda = f.opcions.findChild<TFormAjuda *>();
            QVERIFY(ajuda && ajuda->isVisible());
            QVERIFY(QTest::qWaitForWindowActive(ajuda));
            mostrada = ajuda->Pagina();
            QTest::keyClick(focusDe(ajuda), Qt::Key_Escape);
            QVERIFY(!ajuda->isVisible());
            QVERIFY(f.opcions.isVisible());
            QVERIFY(tabularFins(&f.opcions, enllac));
            QTest::keyClick(enllac, Qt::Key_Tab);
            QVERIFY(!enllac->autoFillBackground() && !enllac->font().underline());
        });
        f.principal.SpeedButtonMenuClick();
        QVERIFY(resaltat);
        QCOMPARE(mostrada, PaginesAjuda::Pagina(QStringLiteral("veus"), Llengua::Catala));
        QVERIFY(obertes.isEmpty()); // nothing went to the desktop
    }

    void helpButtonBySpace_data()
    {
        QTest::addColumn<Llengua>("llengua");
        QTest::newRow("Catalan") << Llengua::Catala;
        QTest::newRow("Spanish") << Llengua::Castella;
    }
    // The help opens in the interface language, in the program's own window.
    void helpButtonBySpace()
    {
        QFETCH(Llengua, llengua);
        Finestres f;
        f.opcions.ui->CheckBoxMenuCastellano->setChecked(llengua == Llengua::Castella);
        QUrl mostrada;
        RespondreModal<TFormTTS>([&](QWidget *) {
            QVERIFY(tabularFins(&f.opcions, f.opcions.ui->BitBtnHelp));
            QTest::keyClick(f.opcions.ui->BitBtnHelp, Qt::Key_Space);
            auto *ajuda = f.opcions.findChild<TFormAjuda *>();
            QVERIFY(ajuda && ajuda->isVisible());
            mostrada = ajuda->Pagina();
            ajuda->reject();
        });
        f.principal.SpeedButtonMenuClick();
        QCOMPARE(mostrada, PaginesAjuda::Pagina(QStringLiteral("index"), llengua));
        QVERIFY(QFileInfo::exists(mostrada.toLocalFile()));
        QVERIFY(obertes.isEmpty());
    }

    // The focus on a key is a ring at least 3 pixels wide, inside the key,
    // clear of the scanning frame outside it.
    void focusFrameOnTheKeys_data()
    {
        QTest::addColumn<QString>("tecla");
        QTest::newRow("digit") << "Button7";
        QTest::newRow("confirm") << "BitBtnDAcord";
        QTest::newRow("new question") << "ButtonNou";
    }

    void focusFrameOnTheKeys()
    {
        QFETCH(QString, tecla);
        Finestres f;
        f.principal.show();
        f.principal.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.principal));
        f.ui().EditResultat->setFocus();
        auto *boto = f.principal.findChild<QPushButton *>(tecla);
        QVERIFY(tabularFins(&f.principal, boto));
        auto *marc = f.principal.findChild<MarcFocus *>();
        QVERIFY(marc && marc->isVisible());
        const QRect r(boto->mapTo(&f.principal, QPoint(0, 0)), boto->size());
        QCOMPARE(marc->geometry(), r);
        const QImage imatge = f.principal.grab().toImage();
        const QColor blau(0, 0, 160);
        const QPoint centre = r.center();
        for (int d = 0; d < 3; ++d) {
            QCOMPARE(imatge.pixelColor(r.left() + d, centre.y()), blau);
            QCOMPARE(imatge.pixelColor(r.right() - d, centre.y()), blau);
            QCOMPARE(imatge.pixelColor(centre.x(), r.top() + d), blau);
            QCOMPARE(imatge.pixelColor(centre.x(), r.bottom() - d), blau);
        }
        QCOMPARE(imatge.pixelColor(r.left() + 3, centre.y()), QColor(Qt::white));
        QVERIFY(imatge.pixelColor(r.left() + 8, centre.y()) != blau);
        // Presses go through the ring to the key.
        QCOMPARE(f.principal.childAt(r.left() + 1, centre.y()), boto);

        QVERIFY(tabularFins(&f.principal, f.ui().EditResultat));
        QVERIFY(marc->isHidden());
    }

    // Start, choose a kind, drill, answer, reopen the options, copy, switch
    // the language, open and close the about window, play a game and quit,
    // with key presses only.
    void wholeProgramByKeys()
    {
        QTemporaryDir carpeta;
        Rellotge::setAcceleracio(1000);
        Arrencada a(carpeta.filePath(QStringLiteral("trimbol.ini")));
        TFormPrincipal &p = a.FormPrincipal;
        auto &o = *a.FormTTS.ui;
        const auto modal = [](QWidget *w) {
            return [w] { return QApplication::activeModalWidget() == w; };
        };
        const auto premer = [](QWidget *finestra, QWidget *boto) {
            QVERIFY(tabularFins(finestra, boto));
            QTest::keyClick(boto, Qt::Key_Space);
        };
        const auto respondre = [&p](const QString &resposta) {
            QTest::keyClicks(focusDe(&p), resposta);
            QTest::keyClick(focusDe(&p), Qt::Key_Return);
        };
        int visites = 0;
        QGuiApplication::clipboard()->clear();

        Guio g;
        // The first visit: the subtraction tables, then "Normal".
        g.quan(modal(&a.FormTTS), [&] {
            ++visites;
            // Tab enters the kinds at the one chosen; the arrows choose another.
            QRadioButton *triat = nullptr;
            for (QRadioButton *tipus : o.PanelOperacions->findChildren<QRadioButton *>())
                triat = tipus->isChecked() ? tipus : triat;
            QVERIFY(triat && tabularFins(&a.FormTTS, triat));
            for (int i = 0; i < 10 && !o.RadioButtonTR1X->isChecked(); ++i)
                QTest::keyClick(focusDe(&a.FormTTS), Qt::Key_Down);
            QVERIFY(o.RadioButtonTR1X->isChecked());
            premer(&a.FormTTS, o.BitBtnDAcord);
        });
        // The drill: a key of the keypad, a wrong answer, a right one, F10.
        g.quan([&] { return !QApplication::activeModalWidget() && visites == 1; },
               [&] {
                   QVERIFY(tabularFins(&p, p.ui->EditResultat));
                   QVERIFY(p.TitolSessio.startsWith(QStringLiteral("Taules de restar")));
                   QCOMPARE(focusDe(&p), p.ui->EditResultat);
                   premer(&p, p.ui->Button7);
                   QCOMPARE(p.ui->EditResultat->text(), QStringLiteral("7"));
                   QCOMPARE(focusDe(&p), p.ui->EditResultat);
                   QTest::keyClick(focusDe(&p), Qt::Key_Backspace);
                   respondre(QStringLiteral("99"));
                   respondre(p.RespostaEsperada());
                   QCOMPARE(p.NombrePreguntes, 2);
                   QCOMPARE(p.NombreCorrectes, 1);
                   QTest::keyClick(focusDe(&p), Qt::Key_F10);
               });
        // The second visit: copy, Spanish, the about window.
        g.quan([&] { return modal(&a.FormTTS)() && visites == 1; },
               [&] {
                   ++visites;
                   premer(&a.FormTTS, o.ButtonCopiarALaCarpeta);
                   QVERIFY(QGuiApplication::clipboard()->text().contains(
                       QStringLiteral("Taules de restar")));
                   premer(&a.FormTTS, o.CheckBoxMenuCastellano);
                   QVERIFY(p.windowTitle().startsWith(QStringLiteral("Matemáticas")));
                   premer(&a.FormTTS, o.ButtonParlantDe);
               });
        g.quan(modal(&a.AboutBox), [&] { QTest::keyClick(focusDe(&a.AboutBox), Qt::Key_Return); });
        // Back in the options window: the race.
        g.quan([&] { return modal(&a.FormTTS)() && visites == 2; },
               [&] {
                   ++visites;
                   premer(&a.FormTTS, o.BitBtnContrarrellotge);
               });
        g.quan(modal(&a.FormJocs), [&] { QTest::keyClick(focusDe(&a.FormJocs), Qt::Key_Return); });
        g.quan(
            [&] { return p.TimerContrarelloge.isActive() && !QApplication::activeModalWidget(); },
            [&] {
                while (p.NombreCorrectes < TFormPrincipal::CorrectesJoc2)
                    respondre(p.RespostaEsperada());
                QTest::keyClick(focusDe(&p), Qt::Key_F10);
            });
        // The race's result, then out through "Salir".
        g.quan(
            [&] {
                return modal(&a.FormJocs)() && p.NombreCorrectes == TFormPrincipal::CorrectesJoc2;
            },
            [&] { QTest::keyClick(focusDe(&a.FormJocs), Qt::Key_Space); });
        g.quan([&] { return modal(&a.FormTTS)() && visites == 3; },
               [&] {
                   ++visites;
                   premer(&a.FormTTS, o.BitBtnSortir);
               });
        g.començar();
        a.Iniciar(1000);
        QVERIFY(QTest::qWaitFor([&] { return g.acabat() && !p.isVisible(); }, 60000));
        QCOMPARE(g.fets, 9);
        QCOMPARE(visites, 4);
        Rellotge::setAcceleracio(1);
    }
};

QTEST_MAIN(TestTeclat)
#include "tst_teclat.moc"
