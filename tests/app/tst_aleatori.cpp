// A child at the keyboard: a seeded random walk through the real program's
// four windows (clicks on enabled controls, typed keys, Enter, right presses,
// timer ticks, games started and abandoned, language switches, copies),
// checking after every step that the program's state still makes sense.
//
//   TRIMBOL_LLAVOR=<seed>   the random seed (default below)
//   TRIMBOL_PASSOS=<steps>  how many steps (default 20 000)
//
// A failure names the seed and the step, so that the walk can be repeated.

#include "../speech/VeuFalsa.h"
#include "Arrencada.h"
#include "Escaneig.h"
#include "Finestres.h"
#include "UnitCalcDll32.h"

#include <QMessageBox>
#include <QRegularExpression>
#include <QTextBlock>
#include <QtTest>

#include <random>

namespace
{

constexpr quint32 LlavorPerDefecte = 20261207;
constexpr int PassosPerDefecte = 20000;

int EnterEntorn(const char *nom, int perDefecte)
{
    bool ok = false;
    const int valor = qEnvironmentVariableIntValue(nom, &ok);
    return ok ? valor : perDefecte;
}

bool EsEnter(const QString &text)
{
    static const QRegularExpression enter(QStringLiteral("^(0|-?[1-9][0-9]*)$"));
    return enter.match(text).hasMatch();
}

// Walks the windows one step per turn of the event loop, at whatever depth
// of nested pauses and modal windows the program happens to be.
class Mico : public QObject
{
public:
    Mico(Arrencada &a, quint32 llavor, int passos)
        : m_a(a), m_aleatori(llavor), m_llavor(llavor), m_passos(passos)
    {
    }

    void Comencar()
    {
        QTimer::singleShot(0, this, [this] { Pas(); });
    }

    QString error;
    int passosFets = 0;
    int partidesJoc1 = 0, partidesJoc2 = 0, copies = 0, respostes = 0;
    int resultatsJoc1 = 0, resultatsJoc2 = 0;

private:
    Ui::TFormPrincipal &p() { return *m_a.FormPrincipal.ui; }
    Ui::TFormTTS &o() { return *m_a.FormTTS.ui; }
    int U(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_aleatori); }

    void Fallar(const QString &motiu)
    {
        if (error.isEmpty())
            error = QStringLiteral("seed %1, step %2: %3").arg(m_llavor).arg(passosFets).arg(motiu);
    }

    void Pas()
    {
        if (!error.isEmpty() || passosFets >= m_passos) {
            Acabar();
            return;
        }
        Comprovar();
        ++passosFets;
        // The next step is queued first: the action may block in a pause or
        // a modal window, and the walk goes on inside it.
        QTimer::singleShot(0, this, [this] { Pas(); });
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            AccioPrincipal();
        else if (modal == &m_a.FormTTS)
            AccioOpcions();
        else if (modal == &m_a.FormJocs)
            AccioJocs();
        else if (modal == &m_a.AboutBox)
            AccioAbout();
        else
            modal->close();
    }

    // Closes every modal window, then the main window, which ends every loop.
    void Acabar()
    {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            if (auto *dialeg = qobject_cast<QDialog *>(modal))
                dialeg->reject();
            else
                modal->close();
            QTimer::singleShot(0, this, [this] { Acabar(); });
            return;
        }
        m_a.FormPrincipal.close();
    }

    // --- Actions -----------------------------------------------------------

    static void Clicar(QWidget *w, Qt::MouseButton boto = Qt::LeftButton)
    {
        if (w->isVisible() && w->isEnabled())
            QTest::mouseClick(w, boto, {}, w->rect().center());
    }

    void AccioPrincipal()
    {
        auto &u = p();
        const std::array<QPushButton *, 14> tecles{
            u.ButtonMenys, u.Button0,      u.Button1,        u.Button2,  u.Button3,
            u.Button4,     u.Button5,      u.Button6,        u.Button7,  u.Button8,
            u.Button9,     u.BitBtnDAcord, u.ButtonEsborrar, u.ButtonNou};
        switch (U(20)) {
        case 0:
        case 1:
        case 2:
        case 3:
            Clicar(tecles[1 + U(10)]);
            break;
        case 4:
            Clicar(u.ButtonMenys);
            break;
        case 5:
            Clicar(u.ButtonEsborrar);
            break;
        case 6:
            Clicar(u.ButtonNou);
            break;
        case 7:
        case 8:
            Clicar(u.BitBtnDAcord);
            ++respostes;
            break;
        case 9:
        case 10:
        case 11: {
            // A right answer, typed as a learner would.
            const QString pregunta = u.LabelOperacio->text();
            if (!u.BitBtnDAcord->isEnabled() || pregunta.isEmpty() || pregunta.contains('='))
                break;
            u.EditResultat->setText(m_a.FormPrincipal.RespostaEsperada());
            QTest::keyClick(u.EditResultat, Qt::Key_Return);
            ++respostes;
            break;
        }
        case 12: {
            static const QString tecles = QStringLiteral("0123456789-+ abx.,");
            QString text;
            for (int i = U(4); i >= 0; --i)
                text += tecles[U(tecles.size())];
            if (u.EditResultat->isEnabled())
                QTest::keyClicks(u.EditResultat, text);
            break;
        }
        case 13:
            if (u.EditResultat->isEnabled())
                QTest::keyClick(u.EditResultat, Qt::Key_Return);
            break;
        case 14:
            Clicar(tecles[U(14)], Qt::RightButton);
            break;
        case 15:
            u.CheckBoxNoVeure->click();
            break;
        case 16:
            if (m_a.FormPrincipal.TimerCompeEnrera.isActive())
                m_a.FormPrincipal.TimerCompeEnreraTimer();
            else if (m_a.FormPrincipal.TimerContrarelloge.isActive())
                m_a.FormPrincipal.TimerContrarellogeTimer();
            break;
        case 17:
            if (m_a.FormPrincipal.escaneig().TimerEscaneig()->isActive())
                m_a.FormPrincipal.escaneig().TimerEscaneigTimer();
            break;
        default:
            // Rarely: every visit to the options window abandons a game.
            if (U(40) == 0)
                Clicar(u.SpeedButtonMenu);
            break;
        }
    }

    void AccioOpcions()
    {
        auto &u = o();
        switch (U(16)) {
        case 0:
        case 1: {
            const QList<QRadioButton *> tipus = u.PanelOperacions->findChildren<QRadioButton *>();
            Clicar(tipus[U(tipus.size())]);
            break;
        }
        case 2:
            u.CheckBoxSecundaria->click();
            break;
        case 3:
            u.CheckBoxLlegirResultat->click();
            break;
        case 4:
            u.CheckBoxMenuCastellano->click();
            break;
        case 5:
            u.CheckBoxEscaneig->click();
            break;
        case 6:
            u.CheckBoxEscaneigDirigit->click();
            break;
        case 7:
            u.UpDownEditTaulesFinsLesDe
                ->fletxa(U(2) ? UpDown::Boto::Seguent : UpDown::Boto::Anterior)
                ->click();
            break;
        case 8:
            u.UpDownEditIntervalEscaneig
                ->fletxa(U(2) ? UpDown::Boto::Seguent : UpDown::Boto::Anterior)
                ->click();
            break;
        case 9:
            // Only the fake voices: the engine library would really speak.
            if (u.ListBoxMotorsDeVeu->isVisible()) {
                QListWidget *llista = u.ListBoxMotorsDeVeu;
                QListWidgetItem *entrada = llista->item(U(m_a.FormTTS.Motors->NumVeusMSP));
                llista->scrollToItem(entrada);
                QTest::mouseClick(llista->viewport(), Qt::LeftButton, {},
                                  llista->visualItemRect(entrada).center());
            }
            break;
        case 10:
            ++copies;
            Clicar(u.ButtonCopiarALaCarpeta);
            break;
        case 11:
            if (U(3) == 0)
                Clicar(u.ButtonParlantDe);
            break;
        case 12:
            if (U(3) == 0) {
                ++partidesJoc1;
                Clicar(u.BitBtnOperacions60);
            }
            break;
        case 13:
            if (U(3) == 0) {
                ++partidesJoc2;
                Clicar(u.BitBtnContrarrellotge);
            }
            break;
        case 14:
            if (U(2) == 0)
                m_a.FormTTS.close(); // the title-bar button
            break;
        default:
            Clicar(u.BitBtnDAcord);
            break;
        }
    }

    void AccioJocs()
    {
        const QString informacio = m_a.FormJocs.ui->LabelInformacio->text();
        if (informacio.contains(QStringLiteral(" - ")))
            ++(informacio.count(QStringLiteral(" - ")) == 2 ? resultatsJoc2 : resultatsJoc1);
        if (U(2))
            Clicar(m_a.FormJocs.ui->BitBtnDAcord);
        else
            m_a.FormJocs.close();
    }

    void AccioAbout()
    {
        TAboutBox &a = m_a.AboutBox;
        switch (U(8)) {
        case 0:
            a.Timer1Timer();
            break;
        case 1:
            a.FormClick();
            break;
        case 2:
            a.Panel1Click();
            break;
        case 3:
            a.ImagePersonatgeClick();
            break;
        case 4:
            a.ImageVorelkClick();
            break;
        case 5:
            a.Panel2Click();
            break;
        default:
            a.OKButtonClick();
            break;
        }
    }

    // --- Invariants --------------------------------------------------------

    void Comprovar()
    {
        ComprovarRegistre();
        ComprovarPregunta();
        if (passosFets % 200 == 0)
            ComprovarConfiguracio();
    }

    // Reads the record lines added since the last look: lines are only
    // ever appended.
    void ComprovarRegistre()
    {
        static const QRegularExpression resposta(QStringLiteral(
            "^(.+?)( = | =\\| |)\\t([^\\t]*)\\t(C|I|NC)\\tP:\\t(\\d+)\\tC:\\t(\\d+)$"));
        const QTextDocument *document = p().MemoCarpeta->document();
        const int total = document->isEmpty() ? 0 : document->blockCount();
        for (; m_linia < total; ++m_linia) {
            const QString text = document->findBlockByNumber(m_linia).text();
            m_darreres = {m_darreres[1], m_darreres[2], text};
            // A header block: an empty line, the time, the title.
            if (!text.isEmpty() && !text.contains('\t') && m_darreres[1].size() > 0 &&
                !m_darreres[1].contains('\t') && m_darreres[0].isEmpty() && m_linia >= 2) {
                m_p = m_c = 0;
                continue;
            }
            if (!text.contains('\t'))
                continue;
            const auto m = resposta.match(text);
            if (!m.hasMatch())
                return Fallar(QStringLiteral("record line of no known form: ") + text);
            const QString signe = m.captured(2), marca = m.captured(4);
            const bool forma = (marca == "C" && signe == " = ") ||
                               (marca == "I" && signe == " =| ") ||
                               (marca == "NC" && signe.isEmpty() && m.captured(3).isEmpty());
            if (!forma)
                return Fallar(QStringLiteral("mark and sign disagree: ") + text);
            const int esperatP = m_p + 1, esperatC = m_c + (marca == "C" ? 1 : 0);
            if (m.captured(5).toInt() != esperatP || m.captured(6).toInt() != esperatC)
                return Fallar(QStringLiteral("counts do not follow the lines before: ") + text);
            m_p = esperatP;
            m_c = esperatC;
        }
        const TFormPrincipal &f = m_a.FormPrincipal;
        if (f.NombrePreguntes != m_p || f.NombreCorrectes != m_c)
            Fallar(QStringLiteral("counters %1/%2 but the record says %3/%4")
                       .arg(f.NombrePreguntes)
                       .arg(f.NombreCorrectes)
                       .arg(m_p)
                       .arg(m_c));
        if (!p().LabelPreguntes->text().endsWith(QStringLiteral(": %1").arg(f.NombrePreguntes)))
            Fallar(QStringLiteral("label ") + p().LabelPreguntes->text());
    }

    // The question on display, or the part before " = " while a solution or
    // a notice shows, evaluates to a whole number.
    void ComprovarPregunta()
    {
        const QString text = p().LabelOperacio->text().section(QStringLiteral(" = "), 0, 0);
        if (text.isEmpty())
            return;
        QString expressio = text;
        expressio.replace('x', '*').replace('.', '*');
        const QString resultat = QString::fromStdString(AvaluarExpressio(expressio.toStdString()));
        if (!EsEnter(resultat))
            Fallar(QStringLiteral("question %1 evaluates to %2").arg(text, resultat));
    }

    void ComprovarConfiguracio()
    {
        FitxerConfiguracio fitxer(m_a.FormTTS.configuracio().cami());
        const QString llengua = fitxer.ReadString("TRIMBOL", "LLENGUA", "1");
        const QString interval =
            fitxer.ReadString("Accessibilitat", "SpinEditIntervalEscaneig", "10");
        bool ok = false;
        const int valor = interval.toInt(&ok);
        if ((llengua != "1" && llengua != "2") || !ok || valor < 1 || valor > 50)
            Fallar(QStringLiteral("settings file holds LLENGUA=%1, interval=%2")
                       .arg(llengua, interval));
    }

    Arrencada &m_a;
    std::mt19937 m_aleatori;
    quint32 m_llavor;
    int m_passos;
    int m_linia = 0;
    int m_p = 0, m_c = 0;
    std::array<QString, 3> m_darreres;
};

} // namespace

class TestAleatori : public QObject
{
    Q_OBJECT

private slots:
    void childAtTheKeyboard()
    {
        const auto llavor = static_cast<quint32>(EnterEntorn("TRIMBOL_LLAVOR", LlavorPerDefecte));
        const int passos = EnterEntorn("TRIMBOL_PASSOS", PassosPerDefecte);
        VeuFalsa::RegistrarEscriptori({QStringLiteral("Veu u"), QStringLiteral("Veu dos")});
        Rellotge::setAcceleracio(1000);
        QTemporaryDir carpeta;
        Arrencada arrencada(carpeta.filePath(QStringLiteral("trimbol.ini")));
        Mico mico(arrencada, llavor, passos);
        arrencada.Iniciar(0);
        mico.Comencar();
        // Ends when the walk closes the main window.
        QEventLoop bucle;
        bucle.exec();
        qInfo(
            "seed %u: %d steps, %d answers, %d games of 60'' (%d results), %d races (%d results), "
            "%d copies",
            llavor, mico.passosFets, mico.respostes, mico.partidesJoc1, mico.resultatsJoc1,
            mico.partidesJoc2, mico.resultatsJoc2, mico.copies);
        QVERIFY2(mico.error.isEmpty(), qPrintable(mico.error));
        QCOMPARE(mico.passosFets, passos);
    }
};

QTEST_MAIN(TestAleatori)
#include "tst_aleatori.moc"
