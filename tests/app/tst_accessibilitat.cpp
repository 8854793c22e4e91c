#include "AvisAccessible.h"
#include "Finestres.h"
#include "IdiomaFinestres.h"
#include "ModalHelper.h"
#include "TAboutBox.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

namespace {

// What the main window tells a screen reader, in order.
QStringList avisos;

void RegistrarAvis(const QString &text)
{
    avisos << text;
}

QAccessibleInterface *Interficie(QObject *objecte)
{
    return QAccessible::queryAccessibleInterface(objecte);
}

// Roles that only hold other controls, labels, whose name is their text,
// and the notices, named by what they say.
bool Contenidor(QAccessible::Role rol)
{
    return rol == QAccessible::Client || rol == QAccessible::Border ||
           rol == QAccessible::Grouping || rol == QAccessible::Pane ||
           rol == QAccessible::StaticText || rol == QAccessible::Notification;
}

// A control a learner can reach: it takes the focus, has an action, is not
// a mere container, shows a picture (a label without text) or invites a
// click with the pointing hand.
bool Interactiu(QAccessibleInterface *interficie)
{
    if (interficie->state().focusable)
        return true;
    if (QAccessibleActionInterface *accions = interficie->actionInterface();
        accions && !accions->actionNames().isEmpty())
        return true;
    if (!Contenidor(interficie->role()))
        return true;
    auto *control = qobject_cast<QWidget *>(interficie->object());
    if (!control)
        return false;
    if (auto *etiqueta = qobject_cast<QLabel *>(control); etiqueta && etiqueta->text().isEmpty())
        return true;
    return control->cursor().shape() == Qt::PointingHandCursor;
}

QString Cami(QAccessibleInterface *interficie)
{
    QStringList parts;
    for (QAccessibleInterface *i = interficie; i; i = i->parent()) {
        QObject *objecte = i->object();
        parts.prepend(objecte && !objecte->objectName().isEmpty()
                          ? objecte->objectName()
                          : QStringLiteral("[%1]").arg(int(i->role())));
        if (objecte && objecte->isWidgetType() && static_cast<QWidget *>(objecte)->isWindow())
            break;
    }
    return parts.join(QLatin1Char('/'));
}

// Every reachable control under `interficie` without a name.
void SenseNom(QAccessibleInterface *interficie, QStringList &trobats, int &comptats)
{
    for (int i = 0; i < interficie->childCount(); ++i) {
        QAccessibleInterface *fill = interficie->child(i);
        // What is not on show is not read either.
        if (!fill || fill->state().invisible)
            continue;
        if (Interactiu(fill)) {
            ++comptats;
            if (fill->text(QAccessible::Name).trimmed().isEmpty())
                trobats << Cami(fill);
        }
        SenseNom(fill, trobats, comptats);
    }
}

// The four windows as the program wires them, the about window included.
struct TotesLesFinestres : Finestres {
    TAboutBox aboutBox;

    explicit TotesLesFinestres()
    {
        principal.setFinestres(&aboutBox, &jocs, &opcions);
        principal.MenuCatalaClick();
    }
    // The learner's way to switch the language: the options window's box.
    void TriarLlengua(Llengua llengua)
    {
        QCheckBox *castella = opcions.ui->CheckBoxMenuCastellano;
        if (castella->isChecked() != (llengua == Llengua::Castella))
            QTest::mouseClick(castella, Qt::LeftButton, {}, QPoint(8, castella->height() / 2));
        QCOMPARE(castella->isChecked(), llengua == Llengua::Castella);
    }
    QWidget *finestra(const QString &nom)
    {
        for (QWidget *w : {static_cast<QWidget *>(&principal), static_cast<QWidget *>(&opcions),
                           static_cast<QWidget *>(&jocs), static_cast<QWidget *>(&aboutBox)})
            if (w->objectName() == nom)
                return w;
        return nullptr;
    }
    // Types an answer on the keypad and presses "D'acord".
    void RespondreAmbElTeclat(const QString &resposta)
    {
        for (const QChar xifra : resposta)
            QTest::mouseClick(principal.findChild<QPushButton *>(QStringLiteral("Button") + xifra),
                              Qt::LeftButton);
        QTest::mouseClick(ui().BitBtnDAcord, Qt::LeftButton);
    }
};

// What a control shows as its caption, as a voice-control user would say
// it: a button's text without its "&", a label's text, a window's title.
// A caption without a letter or digit ("-", an arrow) is a symbol, said by
// its name instead.
QString Rotul(QWidget *control)
{
    QString text;
    if (control->isWindow())
        text = control->windowTitle();
    else if (auto *boto = qobject_cast<QAbstractButton *>(control))
        text = boto->text();
    else if (auto *etiqueta = qobject_cast<QLabel *>(control))
        text = etiqueta->text();
    text.remove(QLatin1Char('&'));
    text = text.simplified();
    const bool paraula =
        std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetterOrNumber(); });
    return paraula ? text : QString();
}

QWidget *Control(QWidget *finestra, const QString &cami)
{
    QWidget *control = finestra;
    for (const QString &part : cami.split(QLatin1Char('/')))
        if (control && control->objectName() != part)
            control = control->findChild<QWidget *>(part);
    return control;
}

} // namespace

class TestAccessibilitat : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { AvisAccessible::setObservador(&RegistrarAvis); }
    void cleanupTestCase() { AvisAccessible::setObservador(nullptr); }
    void init() { avisos.clear(); }

    void mainWindowIsAWindow_data()
    {
        QTest::addColumn<Llengua>("llengua");
        QTest::newRow("Catalan") << Llengua::Catala;
        QTest::newRow("Spanish") << Llengua::Castella;
    }
    // The main window is a window to the accessibility layer, named by its
    // title, a child of the application, and active while it has the focus.
    void mainWindowIsAWindow()
    {
        QFETCH(Llengua, llengua);
        TotesLesFinestres f;
        f.TriarLlengua(llengua);
        f.principal.show();
        f.principal.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.principal));
        QAccessibleInterface *finestra = Interficie(&f.principal);
        QVERIFY(finestra);
        QCOMPARE(finestra->role(), QAccessible::Window);
        QCOMPARE(finestra->text(QAccessible::Name), Textos::titolPrincipal(llengua));
        QVERIFY(finestra->state().active);
        QAccessibleInterface *aplicacio = Interficie(qApp);
        QVERIFY(aplicacio->indexOfChild(finestra) >= 0);
        QCOMPARE(finestra->parent(), aplicacio);

        f.opcions.show();
        f.opcions.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.opcions));
        QVERIFY(!finestra->state().active);
        QCOMPARE(Interficie(&f.opcions)->role(), QAccessible::Dialog);
    }

    void everyControlHasAName_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<Llengua>("llengua");
        for (const char *nom : {"TFormPrincipal", "TFormTTS", "TFormJocs", "TAboutBox"}) {
            QTest::addRow("%s Catalan", nom) << QString::fromLatin1(nom) << Llengua::Catala;
            QTest::addRow("%s Spanish", nom) << QString::fromLatin1(nom) << Llengua::Castella;
        }
    }
    // Walks each window as a screen reader does, with the secondary-school
    // kinds and the minus key on show, the first question asked.
    void everyControlHasAName()
    {
        QFETCH(QString, finestra);
        QFETCH(Llengua, llengua);
        TotesLesFinestres f;
        f.TriarLlengua(llengua);
        f.opcions.ui->CheckBoxSecundaria->setChecked(true);
        f.opcions.ui->RadioButtonSE1X->setChecked(true);
        f.principal.GenerarPregunta();
        QWidget *w = f.finestra(finestra);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QAccessibleInterface *arrel = Interficie(w);
        QVERIFY(!arrel->text(QAccessible::Name).isEmpty());
        QStringList sensenom;
        int comptats = 0;
        SenseNom(arrel, sensenom, comptats);
        QVERIFY2(sensenom.isEmpty(), qPrintable(sensenom.join(QStringLiteral(", "))));
        QVERIFY(comptats > 0);
    }

    void namesContainTheirCaptions_data() { everyControlHasAName_data(); }
    // Label in Name: a control that shows a caption is named with it, so a
    // user who drives the desktop by voice, or a switch user's scanning
    // program, finds it by what it shows. Every control counts, the hidden
    // ones too, in both languages.
    void namesContainTheirCaptions()
    {
        QFETCH(QString, finestra);
        QFETCH(Llengua, llengua);
        TotesLesFinestres f;
        f.TriarLlengua(llengua);
        QWidget *w = f.finestra(finestra);
        QStringList dolents;
        int comptats = 0;
        QList<QWidget *> controls = w->findChildren<QWidget *>();
        controls.prepend(w);
        for (QWidget *control : controls) {
            const QString rotul = Rotul(control);
            if (rotul.isEmpty())
                continue;
            ++comptats;
            const QString nom = Interficie(control)->text(QAccessible::Name).simplified();
            if (!nom.contains(rotul, Qt::CaseInsensitive))
                dolents << QStringLiteral("%1 shows \"%2\", named \"%3\"")
                               .arg(control->objectName(), rotul, nom);
        }
        QVERIFY2(dolents.isEmpty(), qPrintable(dolents.join(QStringLiteral("; "))));
        QVERIFY(comptats > 0);
    }

    void namesFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<int>("index");
        const std::pair<const char *, std::span<const TextAccessible>> taules[] = {
            {"TFormPrincipal", Textos::accessiblesPrincipal()},
            {"TFormTTS", Textos::accessiblesOpcions()},
            {"TAboutBox", Textos::accessiblesAbout()}};
        for (const auto &[nom, taula] : taules)
            for (int i = 0; i < int(taula.size()); ++i)
                QTest::addRow("%s %s", nom, taula[i].control) << QString::fromLatin1(nom) << i;
    }
    // Every name and description of the tables reaches its control, in the
    // language chosen last, back and forth.
    void namesFollowTheLanguage()
    {
        QFETCH(QString, finestra);
        QFETCH(int, index);
        std::span<const TextAccessible> taula = Textos::accessiblesAbout();
        if (finestra == QLatin1String("TFormPrincipal"))
            taula = Textos::accessiblesPrincipal();
        else if (finestra == QLatin1String("TFormTTS"))
            taula = Textos::accessiblesOpcions();
        const TextAccessible &text = taula[index];
        TotesLesFinestres f;
        QWidget *control = Control(f.finestra(finestra), QString::fromLatin1(text.control));
        QVERIFY2(control, text.control);
        for (const Llengua llengua : {Llengua::Castella, Llengua::Catala, Llengua::Castella}) {
            f.TriarLlengua(llengua);
            QAccessibleInterface *interficie = Interficie(control);
            // A control that shows or steps a value is named by its name and value.
            const QString valor = interficie->text(QAccessible::Value);
            if (!text.nom(llengua).isEmpty() && !valor.isEmpty() &&
                interficie->role() == QAccessible::StaticText)
                QCOMPARE(interficie->text(QAccessible::Name), text.nom(llengua) + ": " + valor);
            else if (!text.nom(llengua).isEmpty() && !valor.isEmpty() &&
                     interficie->role() == QAccessible::Button)
                QCOMPARE(interficie->text(QAccessible::Name), text.nom(llengua) + ", " + valor);
            else if (!text.nom(llengua).isEmpty())
                QCOMPARE(interficie->text(QAccessible::Name), text.nom(llengua));
            if (!text.descripcio(llengua).isEmpty())
                QCOMPARE(interficie->text(QAccessible::Description), text.descripcio(llengua));
        }
    }

    void answerBoxIsDescribedByTheQuestion()
    {
        TotesLesFinestres f;
        f.TriarLlengua(Llengua::Castella);
        f.principal.GenerarPregunta();
        QAccessibleInterface *resposta = Interficie(f.ui().EditResultat);
        QCOMPARE(resposta->text(QAccessible::Name), QStringLiteral("Respuesta"));
        QVERIFY(!f.ui().LabelOperacio->text().isEmpty());
        QCOMPARE(resposta->text(QAccessible::Description), f.ui().LabelOperacio->text());
    }

    void announcements_data()
    {
        QTest::addColumn<Llengua>("llengua");
        QTest::addColumn<QString>("cami");
        QTest::newRow("right, Catalan") << Llengua::Catala << "right";
        QTest::newRow("wrong, Catalan") << Llengua::Catala << "wrong";
        QTest::newRow("new question, Catalan") << Llengua::Catala << "new";
        QTest::newRow("right, Spanish") << Llengua::Castella << "right";
        QTest::newRow("wrong, Spanish") << Llengua::Castella << "wrong";
        QTest::newRow("new question, Spanish") << Llengua::Castella << "new";
    }
    // The question, the verdict and the solution reach a screen reader as
    // notices of the text the label or the answer box shows, in the order
    // the learner sees them.
    void announcements()
    {
        QFETCH(Llengua, llengua);
        QFETCH(QString, cami);
        TotesLesFinestres f;
        f.TriarLlengua(llengua);
        f.principal.show();
        f.pregunta(QStringLiteral("3 x 4"));
        avisos.clear();
        const TextsComuns textos = Textos::comuns(llengua);
        QStringList esperats;
        if (cami == QLatin1String("right")) {
            f.RespondreAmbElTeclat(QStringLiteral("12"));
            esperats = {QStringLiteral("3 x 4 = 12, ") + textos.TextBe};
        } else if (cami == QLatin1String("wrong")) {
            f.RespondreAmbElTeclat(QStringLiteral("13"));
            esperats = {QStringLiteral("3 x 4 = ") + textos.TextNoCorrecte,
                        QStringLiteral("3 x 4")};
        } else {
            QTest::mouseClick(f.ui().ButtonNou, Qt::LeftButton);
            esperats = {QStringLiteral("3 x 4 = 12")};
        }
        const QString ara = f.ui().LabelOperacio->text();
        if (cami != QLatin1String("wrong"))
            esperats << ara;
        QCOMPARE(avisos, esperats);
        // The notice is a notification (the texts said while the focus waits
        // on the question go through the question instead, once: see
        // tst_lectorpantalla); the answer box is described by the question
        // now asked.
        auto *avis = f.principal.findChild<QWidget *>(QStringLiteral("AvisAccessible"));
        QVERIFY(avis);
        QCOMPARE(Interficie(avis)->role(), QAccessible::Notification);
        QCOMPARE(Interficie(f.ui().EditResultat)->text(QAccessible::Description), ara);
    }

    // The verdict in the disabled answer box is as dark as an answer typed
    // into the enabled box, on the same background.
    void verdictAtFullContrast()
    {
        TotesLesFinestres f;
        f.principal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.principal));
        f.pregunta(QStringLiteral("2 x 2"));
        QLineEdit *resposta = f.ui().EditResultat;
        QImage desactivada;
        QWidget *focusEnLaPausa = nullptr;
        // Runs in the pause after "D'acord", while the verdict is shown.
        QTimer::singleShot(0, resposta, [&] {
            if (!resposta->isEnabled() && resposta->text() == f.principal.TextBe)
                desactivada = resposta->grab().toImage();
            focusEnLaPausa = f.principal.focusWidget();
        });
        f.RespondreAmbElTeclat(QStringLiteral("4"));
        QVERIFY2(!desactivada.isNull(), "the verdict was not on show in the pause");
        // The focus waited on the question, not on a key a press would work.
        QCOMPARE(focusEnLaPausa, f.ui().LabelOperacio);
        QVERIFY(resposta->isEnabled());
        resposta->setText(f.principal.TextBe);
        resposta->clearFocus();
        const QImage activada = resposta->grab().toImage();
        // Inside the frame: the text's darkest pixel, and the background at
        // the right end, where the short verdict never reaches.
        const QRect dins = desactivada.rect().adjusted(4, 4, -4, -4);
        const auto mesFosc = [dins](const QImage &imatge) {
            int minim = 255;
            for (int y = dins.top(); y <= dins.bottom(); ++y)
                for (int x = dins.left(); x <= dins.right(); ++x)
                    minim = std::min(minim, qGray(imatge.pixel(x, y)));
            return minim;
        };
        const QPoint fons(dins.right() - 2, dins.center().y());
        QCOMPARE(mesFosc(desactivada), mesFosc(activada));
        QCOMPARE(desactivada.pixel(fons), activada.pixel(fons));
    }
};

QTEST_MAIN(TestAccessibilitat)
#include "tst_accessibilitat.moc"
