#include "Finestres.h"
#include "TextosHistoria.h"
#include "IdiomaFinestres.h"

#include <QAbstractButton>
#include <QLabel>
#include <QtTest>

// Both languages cover every caption of the main and options windows, and
// every caption fits its control once applied.
class TestLlengua : public QObject
{
    Q_OBJECT

    // Controls whose caption is the same in both languages, or is not text.
    static bool Invariable(const QString &nom)
    {
        static const QStringList noms{"Button0",
                                      "Button1",
                                      "Button2",
                                      "Button3",
                                      "Button4",
                                      "Button5",
                                      "Button6",
                                      "Button7",
                                      "Button8",
                                      "Button9",
                                      "ButtonMenys",
                                      "LabelCompteEnrera",
                                      "LabelOperacio",
                                      "LabelPreguntes",
                                      "LabelCorrectes",
                                      "CheckBoxNoVeure",
                                      "CheckBoxMenuCastellano",
                                      "ButtonParlantDe",
                                      "BitBtnSortir",
                                      "BitBtnHelp",
                                      "ButtonParlar",
                                      "ButtonCalla",
                                      "ButtonWav",
                                      "Anterior",
                                      "Seguent",
                                      "SpeedButtonMenu"};
        return noms.contains(nom);
    }

    static QStringList NomsDeLaTaula(std::span<const TextControl> taula)
    {
        QStringList noms;
        for (const TextControl &t : taula)
            noms << QString::fromLatin1(t.control);
        return noms;
    }

    // Every button or label of a window is translated or known to be fixed.
    static void ComprovarCobertura(QWidget *finestra, const QStringList &traduits)
    {
        for (QWidget *control : finestra->findChildren<QWidget *>()) {
            if (!qobject_cast<QAbstractButton *>(control) && !qobject_cast<QLabel *>(control))
                continue;
            const QString nom = control->objectName();
            if (nom.isEmpty() || nom.startsWith("qt_"))
                continue;
            QVERIFY2(traduits.contains(nom) || Invariable(nom),
                     qPrintable(nom + " has no translation"));
        }
        for (const QString &nom : traduits)
            QVERIFY2(finestra->findChild<QObject *>(nom),
                     qPrintable(nom + " is not in the window"));
    }

private slots:
    void everyCaptionIsTranslated()
    {
        Finestres f;
        ComprovarCobertura(&f.principal, NomsDeLaTaula(Textos::principal()));
        ComprovarCobertura(&f.opcions, NomsDeLaTaula(Textos::opcions()) +
                                           NomsDeLaTaula(Textos::opcionsCommutadors()) +
                                           NomsDeLaTaula(Textos::opcionsHistoria()));
    }

    void captionsFollowTheLanguage_data()
    {
        QTest::addColumn<bool>("castella");
        QTest::newRow("Catalan") << false;
        QTest::newRow("Spanish") << true;
    }
    void captionsFollowTheLanguage()
    {
        QFETCH(bool, castella);
        const Llengua llengua = castella ? Llengua::Castella : Llengua::Catala;
        Finestres f(Llengua::Catala);
        f.opcions.ui->CheckBoxMenuCastellano->setChecked(castella);
        f.opcions.ui->CheckBoxSecundaria->setChecked(true);
        f.principal.show();
        f.opcions.show();
        for (auto [finestra, taula] :
             {std::pair{static_cast<QWidget *>(&f.principal), Textos::principal()},
              std::pair{static_cast<QWidget *>(&f.opcions), Textos::opcions()},
              std::pair{static_cast<QWidget *>(&f.opcions), Textos::opcionsCommutadors()}}) {
            for (const TextControl &t : taula) {
                QObject *objecte = finestra->findChild<QObject *>(QString::fromLatin1(t.control));
                QVERIFY2(objecte, t.control);
                QCOMPARE(objecte->property("text").toString(), t.en(llengua));
                // A caption fits its control: labels grow, buttons and boxes do not.
                auto *control = qobject_cast<QWidget *>(objecte);
                if (!control || !control->isVisible() || qobject_cast<QPushButton *>(control))
                    continue;
                QVERIFY2(control->sizeHint().width() <= control->width(),
                         qPrintable(QStringLiteral("%1: %2 > %3")
                                        .arg(t.control)
                                        .arg(control->sizeHint().width())
                                        .arg(control->width())));
            }
        }
        QCOMPARE(f.principal.windowTitle(), Textos::titolPrincipal(llengua));
        QCOMPARE(f.opcions.windowTitle(), Textos::titolOpcions(llengua));
        QCOMPARE(f.jocs.ui->BitBtnDAcord->text(), f.ui().BitBtnDAcord->text());
        QCOMPARE(f.principal.TextPreparats,
                 castella ? QStringLiteral("Preparados?") : QStringLiteral("Preparats?"));
        QCOMPARE(f.principal.TextSegons,
                 castella ? QStringLiteral(" segundos") : QStringLiteral(" segons"));
    }

    void buttonCaptionsFit()
    {
        // Push buttons keep their size: their caption must fit inside, the
        // long copy button on two lines.
        for (const Llengua llengua : {Llengua::Catala, Llengua::Castella}) {
            Finestres f(llengua);
            f.principal.show();
            f.opcions.show();
            for (QWidget *finestra :
                 {static_cast<QWidget *>(&f.principal), static_cast<QWidget *>(&f.opcions)})
                for (QPushButton *boto : finestra->findChildren<QPushButton *>()) {
                    if (!boto->isVisible() || boto->text().isEmpty())
                        continue;
                    const QFontMetrics mesura(boto->font());
                    const int linies = boto->objectName() == "ButtonCopiarALaCarpeta" ? 2 : 1;
                    const int amplada = mesura.horizontalAdvance(QString(boto->text()).remove('&'));
                    QVERIFY2(amplada <=
                                 linies * (boto->width() - 8) - (boto->icon().isNull() ? 0 : 24),
                             qPrintable(boto->objectName() + ": " + boto->text()));
                }
        }
    }
};

QTEST_MAIN(TestLlengua)
#include "tst_llengua.moc"
