#include "PaginesAjuda.h"
#include "Rellotge.h"
#include "TAboutBox.h"
#include "TFormAjuda.h"
#include "TFormAjudaUi.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// Receives the pages the window asks the desktop to open.
class ReceptorAdreces : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> obertes;
public slots:
    void obrir(const QUrl &adreca) { obertes.append(adreca); }
};

class TestTAboutBox : public QObject
{
    Q_OBJECT

    template <class T = QWidget> static T *control(const TAboutBox &finestra, const char *nom)
    {
        T *trobat = finestra.findChild<T *>(QString::fromLatin1(nom));
        if (!trobat)
            qFatal("no control named %s", nom);
        return trobat;
    }

    // The one picture of the cycle that is shown, or "" when none is.
    static QString imatgeDelCicle(const TAboutBox &finestra)
    {
        QStringList mostrades;
        for (const char *nom :
             {"ImageVorelk", "ImageSegona", "ImageInteligencia", "ImageDedicatoria"})
            if (!control(finestra, nom)->isHidden())
                mostrades << QString::fromLatin1(nom);
        return mostrades.join(QLatin1Char(','));
    }

    // A real click at a point of the window, routed by the window system to
    // whatever control lies there.
    static void clicar(TAboutBox &finestra, QPoint lloc)
    {
        QTest::mouseClick(finestra.windowHandle(), Qt::LeftButton, {}, lloc);
    }
    static void clicarControl(TAboutBox &finestra, const char *nom, QPoint dins = {3, 3})
    {
        clicar(finestra, control(finestra, nom)->mapTo(&finestra, dins));
    }

    static bool mostrada(TAboutBox &finestra)
    {
        finestra.show();
        return QTest::qWaitForWindowExposed(&finestra);
    }

private slots:
    void cleanup() { Rellotge::setAcceleracio(1); }

    void layout_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("pare");
        QTest::addColumn<QRect>("lloc"); // an empty size: only the place is fixed
        QTest::addColumn<bool>("ma");    // the pointer is a hand over it

        const auto fila = [](const char *nom, const char *pare, QRect lloc, bool ma) {
            QTest::newRow(nom) << QString::fromLatin1(nom) << QString::fromLatin1(pare) << lloc
                               << ma;
        };
        fila("TAboutBox", "", {0, 0, 303, 383}, true);
        fila("Panel1", "TAboutBox", {16, 16, 273, 150}, true);
        fila("ImageOrella", "Panel1", {12, 20, 33, 33}, false);
        fila("ImageOrdinador", "Panel1", {12, 20, 33, 33}, false);
        fila("Bevel2", "Panel1", {8, 16, 40, 41}, false);
        fila("ProductName", "Panel1", {54, 24, 217, 26}, true);
        fila("Version", "Panel1", {113, 58, 0, 0}, false);
        fila("Credits", "Panel1", {36, 75, 0, 0}, true);
        fila("Comments", "Panel1", {8, 99, 257, 47}, true); // moved and shortened at creation
        fila("Panel2", "TAboutBox", {16, 180, 273, 161}, false);
        fila("ImageVorelk", "Panel2", {24, 16, 220, 112}, true);
        fila("ImageSegona", "Panel2", {24, 16, 226, 131}, true);
        fila("ImageInteligencia", "Panel2", {0, 0, 273, 161}, false);
        fila("ImageDedicatoria", "Panel2", {24, 16, 226, 131}, false);
        fila("Memo1", "Panel2", {0, 0, 273, 161}, false);
        fila("ImagePersonatge", "TAboutBox", {70, 2, 172, 338}, false);
        fila("OKButton", "TAboutBox", {111, 352, 77, 27}, true);
    }
    void layout()
    {
        QFETCH(QString, nom);
        QFETCH(QString, pare);
        QFETCH(QRect, lloc);
        QFETCH(bool, ma);
        TAboutBox finestra;
        QWidget *widget = nom == QLatin1String("TAboutBox")
                              ? &finestra
                              : control(finestra, nom.toLatin1().constData());
        if (!pare.isEmpty())
            QCOMPARE(widget->parentWidget()->objectName(), pare);
        if (lloc.isEmpty())
            QCOMPARE(widget->pos(), lloc.topLeft());
        else
            QCOMPARE(widget->geometry(), lloc);
        QCOMPARE(widget->cursor().shape(), ma ? Qt::PointingHandCursor : Qt::ArrowCursor);
        // Every control lies inside its parent.
        if (widget->parentWidget())
            QVERIFY(widget->parentWidget()->rect().contains(widget->geometry()));
    }

    // The upper panel: a raised rim around a lowered inner bevel (a ridge);
    // the lower one: a lowered outer bevel. The quotations are bold on silver.
    void bevelsAndQuotations()
    {
        TAboutBox finestra;
        auto *panell1 = control<QFrame>(finestra, "Panel1");
        QCOMPARE(panell1->frameShape(), QFrame::Box);
        QCOMPARE(panell1->frameShadow(), QFrame::Raised);
        auto *panell2 = control<QFrame>(finestra, "Panel2");
        QCOMPARE(panell2->frameShape(), QFrame::Panel);
        QCOMPARE(panell2->frameShadow(), QFrame::Sunken);
        auto *memo = control<QPlainTextEdit>(finestra, "Memo1");
        const QTextCursor cursor(memo->document());
        QVERIFY(cursor.charFormat().font().bold());
        QCOMPARE(cursor.charFormat().font().pixelSize(), 13);
        QCOMPARE(memo->viewport()->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
    }

    void fixedSizeAndTitle()
    {
        TAboutBox finestra;
        QCOMPARE(finestra.minimumSize(), QSize(303, 383));
        QCOMPARE(finestra.maximumSize(), QSize(303, 383));
        QCOMPARE(finestra.windowTitle(), QStringLiteral("Parlant de..."));
        QCOMPARE(finestra.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
        auto *boto = control<QPushButton>(finestra, "OKButton");
        QCOMPARE(boto->text(), QStringLiteral("D'acord"));
        QVERIFY(boto->isDefault());
        QVERIFY(boto->font().bold());
        QCOMPARE(control<QLabel>(finestra, "Version")->text(),
                 QStringLiteral("Versió 47 - 11/09/2017"));
        QCOMPARE(control<QLabel>(finestra, "ProductName")->text(),
                 QStringLiteral("Matemàtiques - Trimbol 2"));
        QVERIFY(control<QPlainTextEdit>(finestra, "Memo1")->isReadOnly());
        QCOMPARE(finestra.Timer1->objectName(), QStringLiteral("Timer1"));
        QCOMPARE(finestra.Timer1->interval(), 3500);
        QVERIFY(!finestra.Timer1->isActive());
    }

    // With the fonts the program maps the Windows names to, every text fits.
    void textsFit_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("pixels");
        for (const auto &[nom, pixels] : {std::pair{"ProductName", 17},
                                          {"Version", 11},
                                          {"Credits", 12},
                                          {"Comments", 11},
                                          {"OKButton", 11}})
            QTest::newRow(nom) << QString::fromLatin1(nom) << pixels;
    }
    void textsFit()
    {
        QFETCH(QString, nom);
        QFETCH(int, pixels);
        TAboutBox finestra;
        QWidget *widget = control(finestra, nom.toLatin1().constData());
        QCOMPARE(widget->font().pixelSize(), pixels);
        if (auto *boto = qobject_cast<QPushButton *>(widget)) {
            // The style's minimum button width says nothing about the text.
            const QFontMetrics mides(boto->font());
            QVERIFY(mides.horizontalAdvance(boto->text()) + 12 <= boto->width());
            QVERIFY(mides.height() + 6 <= boto->height());
        } else if (auto *etiqueta = qobject_cast<QLabel *>(widget); etiqueta->wordWrap()) {
            QVERIFY2(etiqueta->heightForWidth(widget->width()) <= widget->height(), "text cut off");
        } else {
            const QSize cal = widget->sizeHint();
            QVERIFY2(cal.width() <= widget->width() && cal.height() <= widget->height(),
                     qPrintable(QStringLiteral("needs %1x%2").arg(cal.width()).arg(cal.height())));
        }
        QVERIFY(widget->parentWidget()->rect().contains(widget->geometry()));
    }

    void picturesAreDrawn_data()
    {
        QTest::addColumn<QString>("nom");
        for (const char *nom : {"ImageOrella", "ImageOrdinador", "ImageVorelk", "ImageSegona",
                                "ImageInteligencia", "ImageDedicatoria", "ImagePersonatge"})
            QTest::newRow(nom) << QString::fromLatin1(nom);
    }
    void picturesAreDrawn()
    {
        QFETCH(QString, nom);
        TAboutBox finestra;
        auto *imatge = control<QLabel>(finestra, nom.toLatin1().constData());
        // Pictures are drawn when first shown.
        QVERIFY(imatge->pixmap().isNull() || imatge->isVisibleTo(&finestra));
        finestra.show();
        imatge->show();
        const QImage pintada = imatge->pixmap().toImage();
        QCOMPARE(pintada.size(), imatge->size());
        // Something is drawn: more than one colour in the picture.
        QSet<QRgb> colors;
        for (int y = 0; y < pintada.height(); y += 3)
            for (int x = 0; x < pintada.width(); x += 3)
                colors.insert(pintada.pixel(x, y));
        QVERIFY(colors.size() > 3);
    }

    void cycleFromTheFirstOpening_data()
    {
        QTest::addColumn<int>("tocs");
        QTest::addColumn<QString>("imatge");
        QTest::newRow("opened") << 0 << "ImageVorelk";
        QTest::newRow("1 tick") << 1 << "ImageSegona";
        QTest::newRow("2 ticks") << 2 << "ImageInteligencia";
        QTest::newRow("3 ticks") << 3 << "ImageDedicatoria";
        QTest::newRow("4 ticks") << 4 << "ImageVorelk";
        QTest::newRow("5 ticks") << 5 << "ImageSegona";
    }
    void cycleFromTheFirstOpening()
    {
        QFETCH(int, tocs);
        QFETCH(QString, imatge);
        TAboutBox finestra;
        finestra.show();
        for (int i = 0; i < tocs; ++i)
            finestra.Timer1Timer();
        QCOMPARE(imatgeDelCicle(finestra), imatge);
        // The icons swap on every tick.
        QCOMPARE(control(finestra, "ImageOrdinador")->isHidden(), tocs % 2 == 0);
        QCOMPARE(control(finestra, "ImageOrella")->isHidden(), tocs % 2 == 1);
    }

    void timerTicksOnlyWhileShown()
    {
        Rellotge::setAcceleracio(100);
        TAboutBox finestra;
        QVERIFY(mostrada(finestra));
        QVERIFY(finestra.Timer1->isActive());
        QTRY_COMPARE_WITH_TIMEOUT(imatgeDelCicle(finestra), QStringLiteral("ImageSegona"), 2000);
        clicarControl(finestra, "OKButton");
        QVERIFY(!finestra.isVisible());
        QVERIFY(!finestra.Timer1->isActive());
        QCOMPARE(finestra.result(), int(QDialog::Accepted));
    }

    void modalShowingEndsWithOk()
    {
        TAboutBox finestra;
        bool actiuDins = false;
        QTimer::singleShot(0, &finestra, [&] {
            actiuDins = finestra.Timer1->isActive();
            QTest::keyClick(&finestra, Qt::Key_Return); // the default button
        });
        QCOMPARE(finestra.exec(), int(QDialog::Accepted));
        QVERIFY(actiuDins);
        QVERIFY(!finestra.Timer1->isActive());
    }

    void clickingAPictureAdvancesTheCycle_data()
    {
        QTest::addColumn<int>("tocs");
        QTest::addColumn<QString>("clicada");
        QTest::addColumn<QString>("seguent");
        QTest::newRow("Vorelk") << 0 << "ImageVorelk"
                                << "ImageSegona";
        QTest::newRow("Segona") << 1 << "ImageSegona"
                                << "ImageInteligencia";
        QTest::newRow("Inteligencia") << 2 << "ImageInteligencia"
                                      << "ImageDedicatoria";
        QTest::newRow("Dedicatoria") << 3 << "ImageDedicatoria"
                                     << "ImageVorelk";
    }
    void clickingAPictureAdvancesTheCycle()
    {
        QFETCH(int, tocs);
        QFETCH(QString, clicada);
        QFETCH(QString, seguent);
        TAboutBox finestra;
        QVERIFY(mostrada(finestra));
        for (int i = 0; i < tocs; ++i)
            finestra.Timer1Timer();
        const bool ordinador = !control(finestra, "ImageOrdinador")->isHidden();
        clicarControl(finestra, clicada.toLatin1().constData(), {40, 40});
        QCOMPARE(imatgeDelCicle(finestra), seguent);
        QCOMPARE(!control(finestra, "ImageOrdinador")->isHidden(), ordinador); // icons stay
        QVERIFY(control(finestra, "Memo1")->isHidden());
    }

    // The next tick keeps its time: a click does not restart the period.
    void clickKeepsTheTimersPeriod()
    {
        TAboutBox finestra;
        QVERIFY(mostrada(finestra));
        QTest::qWait(300);
        const int abans = finestra.Timer1->remainingTime();
        clicarControl(finestra, "ImageVorelk", {40, 40});
        QCOMPARE(imatgeDelCicle(finestra), QStringLiteral("ImageSegona"));
        QVERIFY(finestra.Timer1->isActive());
        QVERIFY2(finestra.Timer1->remainingTime() <= abans,
                 qPrintable(QStringLiteral("%1 ms left after the click, %2 before")
                                .arg(finestra.Timer1->remainingTime())
                                .arg(abans)));
    }

    void memoToggles()
    {
        TAboutBox finestra;
        QVERIFY(mostrada(finestra));
        QWidget *memo = control(finestra, "Memo1");
        clicar(finestra, {5, 5}); // window background
        QVERIFY(!memo->isHidden());
        // Shown, it covers the lower panel and ignores clicks on itself.
        clicarControl(finestra, "Memo1", {100, 100});
        QVERIFY(!memo->isHidden());
        clicar(finestra, {5, 370});
        QVERIFY(memo->isHidden());
        // The lower panel's own background toggles it too.
        clicarControl(finestra, "Panel2", {6, 150});
        QVERIFY(!memo->isHidden());
        // The cycle goes on underneath it.
        finestra.Timer1Timer();
        QCOMPARE(imatgeDelCicle(finestra), QStringLiteral("ImageSegona"));
    }

    void clicksThatDoNothing_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::newRow("ear icon") << "ImageOrella";
        QTest::newRow("frame of the icon") << "Bevel2";
    }
    void clicksThatDoNothing()
    {
        QFETCH(QString, nom);
        TAboutBox finestra;
        QVERIFY(mostrada(finestra));
        clicarControl(finestra, nom.toLatin1().constData(), {1, 1});
        QVERIFY(!control(finestra, "Panel1")->isHidden());
        QVERIFY(control(finestra, "Memo1")->isHidden());
        QCOMPARE(imatgeDelCicle(finestra), QStringLiteral("ImageVorelk"));
    }

    void characterSurvivesReopening_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QPoint>("lloc");
        QTest::newRow("upper panel background") << "Panel1" << QPoint(262, 5);
        QTest::newRow("version") << "Version" << QPoint(2, 2);
    }
    void characterSurvivesReopening()
    {
        QFETCH(QString, nom);
        QFETCH(QPoint, lloc);
        TAboutBox finestra;
        QVERIFY(mostrada(finestra));
        clicarControl(finestra, nom.toLatin1().constData(), lloc);
        const auto personatge = [&] {
            return control(finestra, "Panel1")->isHidden() &&
                   control(finestra, "Panel2")->isHidden() &&
                   !control(finestra, "ImagePersonatge")->isHidden();
        };
        QVERIFY(personatge());
        clicarControl(finestra, "OKButton");
        QVERIFY(!finestra.isVisible());
        QVERIFY(mostrada(finestra));
        QVERIFY(personatge());
        clicarControl(finestra, "ImagePersonatge", {86, 200});
        QVERIFY(!control(finestra, "Panel1")->isHidden());
        QVERIFY(!control(finestra, "Panel2")->isHidden());
        QVERIFY(control(finestra, "ImagePersonatge")->isHidden());
    }

    void stateKeptBetweenShowings()
    {
        TAboutBox finestra;
        QVERIFY(mostrada(finestra));
        finestra.Timer1Timer();
        finestra.Timer1Timer();
        finestra.FormClick();
        finestra.accept();
        QVERIFY(mostrada(finestra));
        QCOMPARE(imatgeDelCicle(finestra), QStringLiteral("ImageInteligencia"));
        QVERIFY(!control(finestra, "Memo1")->isHidden());
    }

    void webPagesOpen_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("pagina");
        QTest::addColumn<Llengua>("llengua");
        for (const auto llengua : {Llengua::Catala, Llengua::Castella}) {
            const char *sufix = llengua == Llengua::Catala ? "Catalan" : "Spanish";
            QTest::addRow("product name, %s", sufix) << "ProductName" << "autors" << llengua;
            QTest::addRow("credits, %s", sufix) << "Credits" << "autors" << llengua;
            QTest::addRow("motto, %s", sufix) << "Comments" << "vorelk" << llengua;
        }
    }
    // The pages are ours: they open in the help window over this one, in the
    // interface language, and nothing goes to the desktop.
    void webPagesOpen()
    {
        QFETCH(QString, nom);
        QFETCH(QString, pagina);
        QFETCH(Llengua, llengua);
        ReceptorAdreces receptor;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &receptor, "obrir");
        const auto treure =
            qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); });
        TAboutBox finestra;
        finestra.setLlengua(llengua);
        QVERIFY(mostrada(finestra));
        clicarControl(finestra, nom.toLatin1().constData(), {10, 6});
        auto *ajuda = finestra.findChild<TFormAjuda *>();
        QVERIFY(ajuda && ajuda->isVisible());
        const QUrl adreca = PaginesAjuda::Pagina(pagina, llengua);
        QCOMPARE(ajuda->Pagina(), adreca);
        QVERIFY(QFileInfo::exists(adreca.toLocalFile())); // shipped beside the program
        QVERIFY(!ajuda->ui->TextBrowserAjuda->toPlainText().isEmpty());
        QVERIFY(receptor.obertes.isEmpty());
        ajuda->reject();
        QVERIFY(finestra.isVisible());
        QVERIFY(!control(finestra, "Panel1")->isHidden());
    }

    // An installed copy finds its pages under ../share/trimbol: this very
    // test program, copied into an installation's layout, opens them there.
    void webPagesOpenInAnInstalledCopy()
    {
        QTemporaryDir arrel;
        QVERIFY(arrel.isValid());
        const QDir installacio(arrel.path());
        QVERIFY(installacio.mkpath(QStringLiteral("bin")));
        QVERIFY(installacio.mkpath(QStringLiteral("share/trimbol/ajuda")));
        const QString ajuda = QCoreApplication::applicationDirPath() + QStringLiteral("/ajuda/");
        for (const QString &pagina :
             {QStringLiteral("autors.html"), QStringLiteral("vorelk.html"),
              QStringLiteral("autors.es.html"), QStringLiteral("vorelk.es.html")})
            QVERIFY(
                QFile::copy(ajuda + pagina,
                            installacio.filePath(QStringLiteral("share/trimbol/ajuda/") + pagina)));
        const QString copia = installacio.filePath(QStringLiteral("bin/tst_taboutbox"));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copia));

        QProcess proces;
        proces.setProcessChannelMode(QProcess::ForwardedChannels);
        proces.start(copia, {QStringLiteral("webPagesOpen")});
        QVERIFY(proces.waitForFinished(-1));
        QCOMPARE(proces.exitStatus(), QProcess::NormalExit);
        QCOMPARE(proces.exitCode(), 0);
    }

    void splash()
    {
        Rellotge::setAcceleracio(50);
        TAboutBox finestra;
        struct {
            bool visible = false, boto = true, temporitzador = true;
            int altura = 0;
            QString imatge;
        } durant;
        // Looks at the window in the middle of the wait, and lets a tick's
        // worth of time go by.
        QTimer::singleShot(Rellotge::durada(500), &finestra, [&] {
            durant = {finestra.isVisible(),
                      !control(finestra, "OKButton")->isHidden(),
                      finestra.Timer1->isActive(),
                      finestra.height(),
                      {}};
        });
        finestra.MostrarSplash(1000);
        QVERIFY(durant.visible);
        QVERIFY(!durant.boto);
        QVERIFY(!durant.temporitzador);
        QCOMPARE(durant.altura, 383 - 28);
        QVERIFY(!finestra.isVisible());
        QCOMPARE(finestra.height(), 383);
        QCOMPARE(finestra.minimumHeight(), 383);
        QVERIFY(!control(finestra, "OKButton")->isHidden());
        QCOMPARE(imatgeDelCicle(finestra), QStringLiteral("ImageVorelk"));
        // The next real opening has the full window and a running cycle.
        QVERIFY(mostrada(finestra));
        QCOMPARE(finestra.height(), 383);
        QVERIFY(control(finestra, "OKButton")->isVisible());
        QVERIFY(finestra.Timer1->isActive());
    }
};

QTEST_MAIN(TestTAboutBox)
#include "tst_taboutbox.moc"
