#include "NavegadorWeb.h"
#include "PaginesAjuda.h"
#include "TFormAjuda.h"
#include "TFormAjudaUi.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

namespace
{
const QStringList nomsPagines{QStringLiteral("index"), QStringLiteral("veus"),
                              QStringLiteral("autors"), QStringLiteral("vorelk")};

// The links of the page on show, in the order a reader meets them.
QStringList Enllacos(const QTextDocument *document)
{
    QStringList enllacos;
    for (QTextBlock bloc = document->begin(); bloc.isValid(); bloc = bloc.next())
        for (auto fragment = bloc.begin(); !fragment.atEnd(); ++fragment) {
            const QString href = fragment.fragment().charFormat().anchorHref();
            if (!href.isEmpty() && (enllacos.isEmpty() || enllacos.last() != href))
                enllacos << href;
        }
    return enllacos;
}

// Receives the addresses handed to QDesktopServices.
class ReceptorWeb : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> obertes;
public slots:
    void obrir(const QUrl &adreca) { obertes << adreca; }
};

// Presses Tab in the page until the link to `href` is the one selected.
bool TabularFinsEnllac(QTextBrowser *navegador, const QString &href)
{
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(navegador, Qt::Key_Tab);
        if (navegador->textCursor().charFormat().anchorHref() == href)
            return true;
    }
    return false;
}

// Clicks the link whose text is `text` where a reader would: on its words.
void ClicarEnllac(QTextBrowser *navegador, const QString &text)
{
    const QTextCursor trobat = navegador->document()->find(text);
    QVERIFY2(!trobat.isNull(), qPrintable(text));
    QTextCursor mig(navegador->document());
    mig.setPosition((trobat.selectionStart() + trobat.selectionEnd()) / 2);
    navegador->ensureCursorVisible();
    navegador->setTextCursor(mig);
    navegador->ensureCursorVisible();
    const QPoint lloc = navegador->cursorRect(mig).center();
    QTest::mouseClick(navegador->viewport(), Qt::LeftButton, {}, lloc);
}
} // namespace

class TestTFormAjuda : public QObject
{
    Q_OBJECT

    QWidget *obridor = nullptr;
    std::unique_ptr<QTemporaryDir> carpeta;

    // A stand-in for xdg-open that notes the address it gets and ends with
    // `codi` (xdg-open ends with 3 when it finds no browser).
    QString Llancador(int codi)
    {
        const QString cami = carpeta->filePath(QStringLiteral("xdg-open-%1").arg(codi));
        QFile guio(cami);
        if (!guio.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(cami));
        guio.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '%1'\nexit %2\n")
                       .arg(carpeta->filePath(QStringLiteral("obertes")))
                       .arg(codi)
                       .toUtf8());
        guio.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return cami;
    }
    QStringList Obertes() const
    {
        QFile fitxer(carpeta->filePath(QStringLiteral("obertes")));
        if (!fitxer.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(fitxer.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    TFormAjuda *Obrir(const QString &nom, Llengua llengua)
    {
        TFormAjuda *ajuda = TFormAjuda::Obrir(obridor, PaginesAjuda::Pagina(nom, llengua));
        if (!QTest::qWaitForWindowActive(ajuda))
            qWarning("the help window did not become active");
        return ajuda;
    }

private slots:
    // The fonts the program's start-up puts in place of the windows' names.
    void initTestCase()
    {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Open Sans"), QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QStringLiteral("Segoe UI Semibold"),
                                   {QStringLiteral("Carlito"), QStringLiteral("Open Sans")});
    }

    void init()
    {
        obridor = new QWidget;
        obridor->resize(400, 300);
        obridor->show();
        carpeta = std::make_unique<QTemporaryDir>();
        // No test reaches the desktop's browser: a launcher that fails.
        NavegadorWeb::setOrdre(Llancador(3));
    }
    void cleanup()
    {
        NavegadorWeb::setOrdre(std::nullopt);
        delete obridor;
        carpeta.reset();
    }

    void everyPageInBothLanguages_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<Llengua>("llengua");
        for (const QString &nom : nomsPagines) {
            QTest::addRow("%s Catalan", qPrintable(nom)) << nom << Llengua::Catala;
            QTest::addRow("%s Spanish", qPrintable(nom)) << nom << Llengua::Castella;
        }
    }
    // Each page exists in both languages, its links to our pages lead to
    // pages that exist, it links to its copy in the other language and to
    // the other pages in its own, and the window speaks its language.
    void everyPageInBothLanguages()
    {
        QFETCH(QString, nom);
        QFETCH(Llengua, llengua);
        TFormAjuda *ajuda = Obrir(nom, llengua);
        const QUrl pagina = ajuda->Pagina();
        QVERIFY2(QFileInfo(pagina.toLocalFile()).isFile(), qPrintable(pagina.toString()));
        QCOMPARE(ajuda->LlenguaPagina(), llengua);
        const QString titol = ajuda->ui->TextBrowserAjuda->documentTitle();
        QVERIFY(!titol.isEmpty());
        QCOMPARE(ajuda->windowTitle(), Textos::titolAjuda(llengua, titol));
        QCOMPARE(ajuda->ui->BitBtnTancar->text(),
                 QString::fromUtf8(llengua == Llengua::Catala ? "&Tancar" : "&Cerrar"));

        const QStringList enllacos = Enllacos(ajuda->ui->TextBrowserAjuda->document());
        QStringList esperats;
        for (const QString &altre : nomsPagines)
            esperats << PaginesAjuda::Pagina(altre, llengua).fileName();
        esperats << PaginesAjuda::Pagina(nom, llengua == Llengua::Catala ? Llengua::Castella
                                                                          : Llengua::Catala)
                        .fileName();
        for (const QString &esperat : esperats)
            QVERIFY2(enllacos.contains(esperat), qPrintable(esperat));
        for (const QString &enllac : enllacos) {
            const QUrl adreca(enllac);
            if (!PaginesAjuda::EsNostra(adreca)) {
                QVERIFY2(adreca.scheme() == QLatin1String("https"), qPrintable(enllac));
                continue;
            }
            const QUrl desti = pagina.resolved(adreca);
            QVERIFY2(QFileInfo(desti.toLocalFile()).isFile(), qPrintable(enllac));
        }
    }

    // The page on voices tells what the learner needs: the command that
    // installs the desktop's speech service and its voices, and the four
    // voices of the program's own engine library, with the one chosen at
    // the first start.
    void voicesPageSaysHow_data()
    {
        QTest::addColumn<Llengua>("llengua");
        QTest::addColumn<QString>("primera");
        QTest::newRow("Catalan") << Llengua::Catala << QString::fromUtf8("UPCTV - Dona - Català");
        QTest::newRow("Spanish") << Llengua::Castella << QString::fromUtf8("UPCTV - Mujer - Español");
    }
    void voicesPageSaysHow()
    {
        QFETCH(Llengua, llengua);
        QFETCH(QString, primera);
        const QString text = Obrir(QStringLiteral("veus"), llengua)->ui->TextBrowserAjuda->toPlainText();
        QVERIFY(text.contains(
            QStringLiteral("sudo apt install speech-dispatcher speech-dispatcher-espeak-ng")));
        QVERIFY(text.contains(QStringLiteral("sudo apt install festvox-ca-ona-hts")));
        for (const char *veu : {"UPCTV - Home - Català", "UPCTV - Dona - Català",
                                "UPCTV - Hombre - Español", "UPCTV - Mujer - Español"})
            QVERIFY2(text.contains(QString::fromUtf8(veu)), veu);
        QVERIFY(text.contains(QString::fromUtf8("«") + primera + QString::fromUtf8("»")));
    }

    // By keyboard alone: Tab reaches a link, Enter follows it, Alt+Left
    // goes back, and the link to the other language turns the window's
    // buttons to it.
    void linksByKeyboard()
    {
        TFormAjuda *ajuda = Obrir(QStringLiteral("index"), Llengua::Catala);
        QTextBrowser *navegador = ajuda->ui->TextBrowserAjuda;
        QCOMPARE(QApplication::focusWidget(), navegador);
        QVERIFY(!ajuda->ui->BitBtnEnrere->isEnabled());
        QVERIFY(TabularFinsEnllac(navegador, QStringLiteral("veus.html")));
        QTest::keyClick(navegador, Qt::Key_Return);
        QCOMPARE(ajuda->Pagina(), PaginesAjuda::Pagina(QStringLiteral("veus"), Llengua::Catala));
        QVERIFY(ajuda->ui->BitBtnEnrere->isEnabled());
        QTest::keyClick(navegador, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(ajuda->Pagina(), PaginesAjuda::Pagina(QStringLiteral("index"), Llengua::Catala));

        QVERIFY(TabularFinsEnllac(navegador, QStringLiteral("index.es.html")));
        QTest::keyClick(navegador, Qt::Key_Enter);
        QCOMPARE(ajuda->LlenguaPagina(), Llengua::Castella);
        QCOMPARE(ajuda->ui->BitBtnEnrere->text(), QString::fromUtf8("&Atrás"));
        QCOMPARE(QAccessible::queryAccessibleInterface(navegador)->text(QAccessible::Name),
                 QString::fromUtf8("Página de ayuda"));
        QVERIFY(Obertes().isEmpty());

        // Escape closes the window and gives the opener back.
        QTest::keyClick(navegador, Qt::Key_Escape);
        QVERIFY(!ajuda->isVisible());
    }

    // The buttons by mouse: back, the first page in the page's language,
    // and close. Opening again reuses the window.
    void buttons()
    {
        TFormAjuda *ajuda = Obrir(QStringLiteral("veus"), Llengua::Castella);
        QTest::mouseClick(ajuda->ui->BitBtnInici, Qt::LeftButton);
        QCOMPARE(ajuda->Pagina(), PaginesAjuda::Pagina(QStringLiteral("index"), Llengua::Castella));
        QTest::mouseClick(ajuda->ui->BitBtnEnrere, Qt::LeftButton);
        QCOMPARE(ajuda->Pagina(), PaginesAjuda::Pagina(QStringLiteral("veus"), Llengua::Castella));
        QTest::mouseClick(ajuda->ui->BitBtnTancar, Qt::LeftButton);
        QVERIFY(!ajuda->isVisible());
        QCOMPARE(Obrir(QStringLiteral("autors"), Llengua::Catala), ajuda);
        QVERIFY(ajuda->isVisible());
        QCOMPARE(obridor->findChildren<TFormAjuda *>().size(), 1);
    }

    void webAddresses_data()
    {
        QTest::addColumn<Llengua>("llengua");
        QTest::addColumn<QString>("llancador");
        QTest::addColumn<bool>("falla");
        for (const auto llengua : {Llengua::Catala, Llengua::Castella}) {
            const char *nom = llengua == Llengua::Catala ? "Catalan" : "Spanish";
            QTest::addRow("%s, a browser", nom) << llengua << "0" << false;
            QTest::addRow("%s, xdg-open finds no browser", nom) << llengua << "3" << true;
            QTest::addRow("%s, xdg-open cannot start", nom) << llengua << "missing" << true;
        }
    }
    // A web address goes to xdg-open and the page stays; when xdg-open
    // cannot start or finds no browser, a line in the page's language says
    // so, with the address, until the reader moves on.
    void webAddresses()
    {
        QFETCH(Llengua, llengua);
        QFETCH(QString, llancador);
        QFETCH(bool, falla);
        NavegadorWeb::setOrdre(llancador == QLatin1String("missing")
                                   ? carpeta->filePath(QStringLiteral("cap-xdg-open"))
                                   : Llancador(llancador.toInt()));
        TFormAjuda *ajuda = Obrir(QStringLiteral("veus"), llengua);
        const QUrl pagina = ajuda->Pagina();
        const QString web =
            QStringLiteral("https://packages.debian.org/bookworm/speech-dispatcher-espeak-ng");
        ClicarEnllac(ajuda->ui->TextBrowserAjuda, QStringLiteral("packages.debian.org"));
        QTRY_VERIFY(ajuda->findChildren<QProcess *>().isEmpty());
        QCOMPARE(ajuda->Pagina(), pagina);
        if (llancador != QLatin1String("missing"))
            QCOMPARE(Obertes(), QStringList{web});
        QLabel *avis = ajuda->ui->LabelAvis;
        QCOMPARE(avis->isVisible(), falla);
        if (falla) {
            QCOMPARE(avis->text(), Textos::senseNavegador(llengua, web));
            QCOMPARE(QAccessible::queryAccessibleInterface(avis)->text(QAccessible::Name),
                     avis->text());
            // One line, within the window at its own size (the offscreen
            // screen is narrower).
            ajuda->resize(960, 680);
            QTRY_COMPARE(ajuda->width(), 960);
            const int ample = avis->fontMetrics().horizontalAdvance(avis->text());
            QVERIFY2(ample <= avis->width(),
                     qPrintable(QStringLiteral("%1 > %2 pixels").arg(ample).arg(avis->width())));
        }
        QTest::mouseClick(ajuda->ui->BitBtnInici, Qt::LeftButton);
        QVERIFY(!avis->isVisible());
    }

    // Without xdg-open, Qt's own ways to a browser are asked.
    void webAddressWithoutXdgOpen()
    {
        NavegadorWeb::setOrdre(QString());
        ReceptorWeb receptor;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &receptor, "obrir");
        const auto treure =
            qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); });
        TFormAjuda *ajuda = Obrir(QStringLiteral("autors"), Llengua::Catala);
        ClicarEnllac(ajuda->ui->TextBrowserAjuda, QStringLiteral("gnu.org"));
        QCOMPARE(receptor.obertes, QList<QUrl>{QUrl(QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html"))});
        QVERIFY(!ajuda->ui->LabelAvis->isVisible());
    }

    // A page missing from the installation is said so in the window, not
    // shown as an empty page.
    void missingPage()
    {
        TFormAjuda *ajuda =
            TFormAjuda::Obrir(obridor, PaginesAjuda::Pagina(QStringLiteral("cap"), Llengua::Catala));
        QVERIFY(ajuda->ui->LabelAvis->isVisible());
        QVERIFY(ajuda->ui->LabelAvis->text().contains(QStringLiteral("cap.html")));
    }

    // The page's text is large: at least 20 pixels high, headings higher.
    void largeType()
    {
        TFormAjuda *ajuda = Obrir(QStringLiteral("index"), Llengua::Catala);
        QTextDocument *document = ajuda->ui->TextBrowserAjuda->document();
        const QFontMetrics text(document->defaultFont());
        QVERIFY(text.height() >= 20);
        const QTextCursor titol = document->find(QString::fromUtf8("Com es fa servir Trimbol"));
        QVERIFY(!titol.isNull());
        QTextCursor dins(document);
        dins.setPosition(titol.selectionStart() + 1);
        QVERIFY(QFontMetrics(dins.charFormat().font()).height() > text.height());
    }
};

QTEST_MAIN(TestTFormAjuda)
#include "tst_tformajuda.moc"
