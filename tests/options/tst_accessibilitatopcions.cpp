#include "../app/Finestres.h"
#include "../speech/VeuFalsa.h"
#include "EscoltaAccessible.h"
#include "MarcFocus.h"
#include "Tabular.h"
#include "TFormAjuda.h"

#include <QToolButton>
#include <QtTest>

namespace {

// A control of the options window by name; "Pare/Fill" names an arrow.
QWidget *Control(TFormTTS &opcions, const QString &nom)
{
    QWidget *control = &opcions;
    for (const QString &part : nom.split(QLatin1Char('/')))
        control = control ? control->findChild<QWidget *>(part) : nullptr;
    return control;
}

QString Nom(const QWidget *control)
{
    const QWidget *pare = control->parentWidget();
    if (qobject_cast<const UpDown *>(pare))
        return pare->objectName() + QLatin1Char('/') + control->objectName();
    return control->objectName();
}

// The options window on show and active, as the learner works it.
void Mostrar(Finestres &f)
{
    f.opcions.show();
    QVERIFY(Activar(&f.opcions));
}

} // namespace

// The options window by keys and with a screen reader.
class TestAccessibilitatOpcions : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        VeuFalsa::RegistrarEscriptori({QStringLiteral("Veu de prova")});
    }

    void tabFollowsTheLayout_data()
    {
        QTest::addColumn<bool>("enrere");
        QTest::newRow("Tab") << false;
        QTest::newRow("Shift+Tab") << true;
    }

    // One round of Tab from the secondary-school box: the kinds and the
    // table limit, reading aloud and the voices, scanning, then the buttons
    // along the bottom; Shift+Tab the other way round.
    void tabFollowsTheLayout()
    {
        QFETCH(bool, enrere);
        Finestres f;
        Mostrar(f);
        const QStringList ordre{
            "CheckBoxSecundaria",
            "UpDownEditTaulesFinsLesDe/Anterior", "UpDownEditTaulesFinsLesDe/Seguent",
            "CheckBoxLlegirResultat", "ListBoxMotorsDeVeu", "LabelInstalar",
            "CheckBoxEscaneig", "CheckBoxEscaneigDirigit",
            "UpDownEditIntervalEscaneig/Anterior", "UpDownEditIntervalEscaneig/Seguent",
            "CheckBoxLlegirTecles", "ButtonAcces", "ComboBoxAlumne", "ButtonInforme",
            "CheckBoxMenuCastellano", "ButtonCopiarALaCarpeta", "BitBtnHelp",
            "BitBtnDAcord", "BitBtnOperacions60", "BitBtnContrarrellotge", "ButtonParlantDe",
            "BitBtnSortir"};
        // Another kind than the first is chosen: Tab enters the kinds there.
        QTest::mouseClick(f.opcions.ui->RadioButtonTD1X, Qt::LeftButton, {}, QPoint(6, f.opcions.ui->RadioButtonTD1X->height() / 2));
        QVERIFY(f.opcions.ui->RadioButtonTD1X->isChecked());
        QWidget *inici = f.opcions.ui->CheckBoxSecundaria;
        inici->setFocus();
        QStringList visitats;
        int premudes = 0;
        QStringList tipus;
        do {
            const QString nom = Nom(FocusDe(&f.opcions));
            if (nom.startsWith(QLatin1String("RadioButton")))
                tipus << nom;
            else if (ordre.contains(nom))
                visitats << nom;
            QTest::keyClick(FocusDe(&f.opcions), Qt::Key_Tab, enrere ? Qt::ShiftModifier : Qt::NoModifier);
        } while (FocusDe(&f.opcions) != inici && ++premudes < 80);
        // Backwards: the same stops from the last one to the second.
        QStringList esperat = ordre;
        if (enrere)
            std::reverse(esperat.begin() + 1, esperat.end());
        QCOMPARE(visitats, esperat);
        // The kinds are one stop, the chosen kind, both ways.
        QCOMPARE(tipus, QStringList{QStringLiteral("RadioButtonTD1X")});
    }

    void focusRing_data()
    {
        QTest::addColumn<QString>("control");
        for (const char *nom : {"CheckBoxSecundaria", "RadioButtonTM1X", "UpDownEditTaulesFinsLesDe/Seguent",
                                "ListBoxMotorsDeVeu", "CheckBoxEscaneig", "UpDownEditIntervalEscaneig/Anterior",
                                "CheckBoxMenuCastellano", "BitBtnHelp", "BitBtnSortir"})
            QTest::newRow(nom) << nom;
    }

    // The focus is a ring three dark blue pixels wide just outside the
    // control, a white line between, as on the keypad keys.
    void focusRing()
    {
        QFETCH(QString, control);
        Finestres f;
        Mostrar(f);
        QWidget *w = Control(f.opcions, control);
        QVERIFY2(w, qPrintable(control));
        QVERIFY(TabularFins(&f.opcions, w));
        auto *marc = f.opcions.findChild<MarcFocus *>();
        QVERIFY(marc && marc->isVisible());
        const QRect r(w->mapTo(&f.opcions, QPoint(0, 0)), w->size());
        const QImage imatge = f.opcions.grab().toImage();
        const QColor blau(0, 0, 160);
        const QPoint c = r.center();
        for (int d = 1; d <= 3; ++d) {
            QCOMPARE(imatge.pixelColor(r.left() - MarcFocus::Gruix - 1 + d, c.y()), blau);
            QCOMPARE(imatge.pixelColor(r.right() + MarcFocus::Gruix + 1 - d, c.y()), blau);
            QCOMPARE(imatge.pixelColor(c.x(), r.top() - MarcFocus::Gruix - 1 + d), blau);
            QCOMPARE(imatge.pixelColor(c.x(), r.bottom() + MarcFocus::Gruix + 1 - d), blau);
        }
        QCOMPARE(imatge.pixelColor(r.left() - 1, c.y()), QColor(Qt::white));
        // The ring takes no presses.
        QVERIFY(marc->testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    void arrowsSayTheNewValue_data()
    {
        QTest::addColumn<QString>("fletxa");
        QTest::addColumn<QString>("camp");
        QTest::addColumn<int>("valor");
        QTest::addColumn<bool>("canvia");
        QTest::newRow("shorter interval") << "UpDownEditIntervalEscaneig/Anterior" << "SpinEditIntervalEscaneig" << 9 << true;
        QTest::newRow("longer interval") << "UpDownEditIntervalEscaneig/Seguent" << "SpinEditIntervalEscaneig" << 11 << true;
        QTest::newRow("fewer tables") << "UpDownEditTaulesFinsLesDe/Anterior" << "SpinEditTaulesFinsLesDe" << 9 << true;
        QTest::newRow("more tables, at 10") << "UpDownEditTaulesFinsLesDe/Seguent" << "SpinEditTaulesFinsLesDe" << 10 << false;
    }

    // Space on an arrow: the number's new value is announced on the arrow
    // that has the focus and on the number, and the arrow reads it as its
    // value at any time.
    void arrowsSayTheNewValue()
    {
        QFETCH(QString, fletxa);
        QFETCH(QString, camp);
        QFETCH(int, valor);
        QFETCH(bool, canvia);
        Finestres f;
        Mostrar(f);
        QWidget *boto = Control(f.opcions, fletxa);
        QWidget *numero = Control(f.opcions, camp);
        QVERIFY(TabularFins(&f.opcions, boto));
        EscoltaAccessible escolta;
        QTest::keyClick(boto, Qt::Key_Space);
        QStringList anunciats;
        for (const auto &e : escolta.de(QAccessible::ValueChanged))
            anunciats << (e.objecte == boto ? QStringLiteral("arrow ") : e.objecte == numero ? QStringLiteral("number ") : QStringLiteral("other ")) + e.valor;
        const QString v = QString::number(valor);
        QCOMPARE(anunciats.contains(QStringLiteral("arrow ") + v), canvia);
        QCOMPARE(anunciats.contains(QStringLiteral("number ") + v), canvia);
        QAccessibleInterface *interficie = QAccessible::queryAccessibleInterface(boto);
        QCOMPARE(interficie->text(QAccessible::Value), v);
        QVERIFY(interficie->valueInterface());
        QCOMPARE(interficie->valueInterface()->currentValue().toInt(), valor);
        QCOMPARE(QAccessible::queryAccessibleInterface(numero)->text(QAccessible::Value), v);
        // A screen reader says nothing of a button's value: a notice says
        // the number with its name, and the arrow's name carries it.
        const QString nomCamp = QAccessible::queryAccessibleInterface(numero)->text(QAccessible::Name);
        QTest::qWait(20);
        QTRY_COMPARE(escolta.vegades(nomCamp + QStringLiteral(": ") + v), canvia ? 1 : 0);
        QVERIFY(interficie->text(QAccessible::Name).endsWith(QStringLiteral(", ") + v));
        // Still a button with its name, that a screen reader can press.
        QCOMPARE(interficie->role(), QAccessible::Button);
        QVERIFY(!interficie->text(QAccessible::Name).isEmpty());
        QVERIFY(interficie->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    }

    void groupsHaveNames_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Llengua>("llengua");
        QTest::addColumn<QString>("grup");
        QTest::newRow("kind") << "RadioButtonTM1X" << Llengua::Catala << "Tipus d'operació";
        QTest::newRow("kind, Spanish") << "RadioButtonTM1X" << Llengua::Castella << "Tipo de operación";
        QTest::newRow("scanning") << "CheckBoxEscaneig" << Llengua::Catala << "Veu i escaneig";
        QTest::newRow("directed, Spanish") << "CheckBoxEscaneigDirigit" << Llengua::Castella << "Voz y barrido";
        QTest::newRow("interval arrow") << "UpDownEditIntervalEscaneig/Seguent" << Llengua::Catala << "Veu i escaneig";
        QTest::newRow("keys read aloud") << "CheckBoxLlegirTecles" << Llengua::Catala << "Veu i escaneig";
        QTest::newRow("voices") << "ListBoxMotorsDeVeu" << Llengua::Catala << "Veu i escaneig";
    }

    // From the focused control up, a screen reader meets a named group.
    void groupsHaveNames()
    {
        QFETCH(QString, control);
        QFETCH(Llengua, llengua);
        QFETCH(QString, grup);
        Finestres f(llengua);
        Mostrar(f);
        QWidget *w = Control(f.opcions, control);
        QVERIFY(TabularFins(&f.opcions, w));
        QString trobat;
        for (QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w)->parent(); i; i = i->parent())
            if (i->role() == QAccessible::Grouping) {
                trobat = i->text(QAccessible::Name);
                break;
            }
        QCOMPARE(trobat, grup);
    }

    void installLinkIsALink_data()
    {
        QTest::addColumn<Llengua>("llengua");
        QTest::newRow("Catalan") << Llengua::Catala;
        QTest::newRow("Spanish") << Llengua::Castella;
    }

    // "Com instal·lar sintetitzadors de veu?" is a link named by its text,
    // and its press action opens the page on voices.
    void installLinkIsALink()
    {
        QFETCH(Llengua, llengua);
        Finestres f(llengua);
        Mostrar(f);
        QLabel *enllac = f.opcions.ui->LabelInstalar;
        QVERIFY(TabularFins(&f.opcions, enllac));
        QAccessibleInterface *interficie = QAccessible::queryAccessibleInterface(enllac);
        QCOMPARE(interficie->role(), QAccessible::Link);
        QCOMPARE(interficie->text(QAccessible::Name), enllac->text());
        QVERIFY(interficie->state().focused);
        QAccessibleActionInterface *accions = interficie->actionInterface();
        QVERIFY(accions && accions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        accions->doAction(QAccessibleActionInterface::pressAction());
        auto *ajuda = f.opcions.findChild<TFormAjuda *>();
        QVERIFY(ajuda && ajuda->isVisible());
        QCOMPARE(ajuda->Pagina(), f.opcions.paginaInstalarVeus());
        ajuda->reject();
    }
};

QTEST_MAIN(TestAccessibilitatOpcions)
#include "tst_accessibilitatopcions.moc"
