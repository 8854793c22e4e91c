#include "TFormPrincipal.h"

#include "AvisAccessible.h"
#include "Escaneig.h"
#include "Esperar.h"
#include "FinestraAccessible.h"
#include "FormaParlada.h"
#include "HoraDelDia.h"
#include "IdiomaFinestres.h"
#include "InformarError.h"
#include "MarcFocus.h"
#include "MenuIcona.h"
#include "Rellotge.h"
#include "RolsAccessibles.h"
#include "SubstituirTot.h"
#include "TeclatPrincipal.h"
#include "TAboutBox.h"
#include "TFormJocs.h"
#include "AccesOpcions.h"
#include "TFormTTS.h"
#include "UnitCalcDll32.h"
#include "Glifs.h"
#include "MidesLletra.h"
#include "ui_TFormJocs.h"
#include "ui_TFormPrincipal.h"

#include <QApplication>
#include <QLabel>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QScreen>
#include <QStyle>
#include <QTextCursor>
#include <QWindow>
#include <QTime>

#include <algorithm>

namespace {
const QString Tab = QStringLiteral("\t");

QString horaActual() { return HoraLlarga(QLocale(), QTime::currentTime()); }
} // namespace

TFormPrincipal::TFormPrincipal(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::TFormPrincipal>())
{
    InstallarFinestraAccessible();
    ui->setupUi(this);
    AplicarMidesLletra(this);
    setFixedSize(561, 503);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (const QScreen *pantalla = QGuiApplication::primaryScreen())
        move(pantalla->availableGeometry().center() - rect().center());

    ui->SpeedButtonMenu->setIcon(MenuIcona());
    ui->SpeedButtonMenu->setIconSize(QSize(56, 56));
    ui->BitBtnDAcord->setIcon(Glifs::estandard(QStyle::SP_DialogOkButton));
    ui->BitBtnDAcord->setIconSize(QSize(24, 24));
    VerdicteSenseEnfosquir();
    RolsAccessibles::Valor(ui->LabelCompteEnrera);
    m_avis = new AvisAccessible(this);

    TimerCompeEnrera.setObjectName(QStringLiteral("TimerCompeEnrera"));
    TimerContrarelloge.setObjectName(QStringLiteral("TimerContrarelloge"));
    for (QTimer *temporitzador : {&TimerCompeEnrera, &TimerContrarelloge})
        temporitzador->setInterval(Rellotge::durada(1000));

    connectarControls();
    FormCreate();
}

TFormPrincipal::~TFormPrincipal() = default;

void TFormPrincipal::FormCreate()
{
    NombrePreguntes = 0;
    NombreCorrectes = 0;
    PausaResposta = 1500;
    PausaNovaPregunta = 4000;
    SembrarAleatori();
    ui->EditResultat->clear();
    // The menu is never attached to the window: its items are named commands.
    // The scan points are taken from the keys as they stand now.
    const ::Escaneig::Tecles tecles{ui->ButtonMenys, ui->Button0,      ui->Button1,
                                    ui->Button2,     ui->Button3,      ui->Button4,
                                    ui->Button5,     ui->Button6,      ui->Button7,
                                    ui->Button8,     ui->Button9,      ui->BitBtnDAcord,
                                    ui->ButtonEsborrar, ui->ButtonNou};
    m_escaneig = std::make_unique<::Escaneig>(
        this, tecles, [this] { return m_opcions && m_opcions->EscaneigDirigit(); });
    connect(m_escaneig.get(), &::Escaneig::Enmarcada, this, &TFormPrincipal::LlegirTecla);
    auto *marc = new MarcFocus(this, QList<QWidget *>(tecles.begin(), tecles.end()));
    marc->setOmetre([this](QWidget *tecla) { return m_escaneig->TeclaEnmarcada() == tecla; });
    new TeclatPrincipal(*this, [this] { return LlegirResultat(); });
}

void TFormPrincipal::LlegirTecla(QWidget *tecla)
{
    // Auditory scanning: the key's caption, cut off by the next step.
    auto *boto = qobject_cast<QAbstractButton *>(tecla);
    if (boto && m_opcions && m_opcions->LlegirTecles())
        m_opcions->Anunciar(FormaParlada(boto->text()));
}

void TFormPrincipal::keyPressEvent(QKeyEvent *event)
{
    // F10 opens the options window, as the picture button does; the button
    // itself never takes the focus.
    if (event->key() == Qt::Key_F10 && !event->isAutoRepeat()) {
        SpeedButtonMenuClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFormPrincipal::IniciarEscaneig()
{
    m_escaneig->IniciarEscaneig(m_opcions->IntervalEscaneig(), m_opcions->EscaneigAutomatic(),
                                m_opcions->EscaneigDirigit());
}

void TFormPrincipal::connectarControls()
{
    const auto digits = Digits();
    for (int i = 0; i < 10; ++i)
        connect(digits[i], &QPushButton::clicked, this, [this, i] { ButtonDigitClick(i); });
    connect(ui->ButtonMenys, &QPushButton::clicked, this, &TFormPrincipal::ButtonMenysClick);
    connect(ui->ButtonEsborrar, &QPushButton::clicked, this, &TFormPrincipal::ButtonEsborrarClick);
    connect(ui->ButtonNou, &QPushButton::clicked, this, &TFormPrincipal::ButtonNouClick);
    connect(ui->BitBtnDAcord, &QPushButton::clicked, this, &TFormPrincipal::BitBtnDAcordClick);
    // D'acord is the default button: Enter in the answer box checks the answer.
    connect(ui->EditResultat, &QLineEdit::returnPressed, this, [this] {
        if (ui->BitBtnDAcord->isEnabled() && ui->BitBtnDAcord->isVisible())
            BitBtnDAcordClick();
    });
    connect(ui->CheckBoxNoVeure, &QCheckBox::toggled, this, &TFormPrincipal::CheckBoxNoVeureClick);
    connect(ui->SpeedButtonMenu, &QToolButton::clicked, this, &TFormPrincipal::SpeedButtonMenuClick);
    connect(&TimerCompeEnrera, &QTimer::timeout, this, &TFormPrincipal::TimerCompeEnreraTimer);
    connect(&TimerContrarelloge, &QTimer::timeout, this, &TFormPrincipal::TimerContrarellogeTimer);

    connect(ui->MenuSortir, &QAction::triggered, this, &TFormPrincipal::MenuSortirClick);
    connect(ui->MenuOpcions, &QAction::triggered, this, &TFormPrincipal::AturarJocs);
    connect(ui->MenuCatala, &QAction::triggered, this, &TFormPrincipal::MenuCatalaClick);
    connect(ui->MenuCastella, &QAction::triggered, this, &TFormPrincipal::MenuCastellaClick);
    connect(ui->MenuVeureElsBotonsNumerics, &QAction::triggered, this,
            &TFormPrincipal::MenuVeureElsBotonsNumericsClick);
    connect(ui->MenuIniciarDeNou, &QAction::triggered, this, &TFormPrincipal::MenuIniciarDeNouClick);
    connect(ui->MenuFerElMaximDOperacions, &QAction::triggered, this,
            &TFormPrincipal::MenuFerElMaximDOperacionsClick);
    connect(ui->MenuContraRellotge, &QAction::triggered, this,
            &TFormPrincipal::MenuContraRellotgeClick);
    connect(ui->MenuCopiarALaCarpeta, &QAction::triggered, this,
            &TFormPrincipal::MenuCopiarALaCarpetaClick);
    connect(ui->MenuParlantDe, &QAction::triggered, this, &TFormPrincipal::MenuParlantDeClick);
}

std::array<QPushButton *, 10> TFormPrincipal::Digits() const
{
    return {ui->Button0, ui->Button1, ui->Button2, ui->Button3, ui->Button4,
            ui->Button5, ui->Button6, ui->Button7, ui->Button8, ui->Button9};
}

void TFormPrincipal::setFinestres(QDialog *about, TFormJocs *jocs, TFormTTS *opcions)
{
    m_about = about;
    m_jocs = jocs;
    m_opcions = opcions;
    // The learner's access settings tune the scan, its frame and dwell; the
    // frame may wait for the voice to say the key.
    if (!opcions)
        return;
    m_escaneig->setConfiguracio(&opcions->acces().configuracio());
    m_escaneig->setParlant([this] { return m_opcions->LlegirTecles() && m_opcions->Parlant(); });
}

void TFormPrincipal::SembrarAleatori()
{
    m_generador.Sembrar(static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay()));
}

// ---------------------------------------------------------------------------
// Questions and practice runs

TipusOperacio TFormPrincipal::TipusTriat() const
{
    const std::array<std::pair<const char *, TipusOperacio>, 10> tipus{{
        {"TS1X", TipusOperacio::TS1X},
        {"TM1X", TipusOperacio::TM1X},
        {"TR1X", TipusOperacio::TR1X},
        {"TD1X", TipusOperacio::TD1X},
        {"SE1X", TipusOperacio::SE1X},
        {"S3E1X", TipusOperacio::S3E1X},
        {"ME1X", TipusOperacio::ME1X},
        {"M3E1X", TipusOperacio::M3E1X},
        {"SE2X", TipusOperacio::SE2X},
        {"ME2X", TipusOperacio::ME2X},
    }};
    const QString triada = m_opcions->OperacioTriada();
    for (const auto &[codi, valor] : tipus)
        if (triada == QLatin1String(codi))
            return valor;
    return TipusOperacio::TM1X;
}

void TFormPrincipal::setOperacio(const QString &text)
{
    ui->LabelOperacio->setText(text);
    ui->LabelOperacio->adjustSize();
    ui->EditResultat->setAccessibleDescription(text);
}

void TFormPrincipal::GenerarPregunta()
{
    setOperacio(m_generador.Generar(TipusTriat(), m_opcions->TaulaMaxima));
    m_avis->Anunciar(ui->LabelOperacio->text());
    if (LlegirResultat())
        ParlarOperacio(ui->LabelOperacio->text());
    ui->EditResultat->setFocus();
}

void TFormPrincipal::RetolarComptadors()
{
    ui->LabelPreguntes->setText(TextPreguntes + QStringLiteral(": ") + QString::number(NombrePreguntes));
    ui->LabelCorrectes->setText(TextCorrectes + QStringLiteral(": ") + QString::number(NombreCorrectes));
    // The counters fit their width to their caption.
    ui->LabelPreguntes->adjustSize();
    ui->LabelCorrectes->adjustSize();
}

void TFormPrincipal::ReiniciarSessio(const QString &titol)
{
    NombrePreguntes = 0;
    NombreCorrectes = 0;
    SembrarAleatori();
    RetolarComptadors();
    AfegirRegistre(QString());
    AfegirRegistre(horaActual());
    ui->EditResultat->clear();
    AfegirRegistre(titol);
    TitolSessio = titol;
}

void TFormPrincipal::MenuIniciarDeNouClick()
{
    ReiniciarSessio(TitolSessio);
    GenerarPregunta();
}

// ---------------------------------------------------------------------------
// The record of work

void TFormPrincipal::AfegirRegistre(const QString &linia)
{
    // An empty document holds no line yet, though it shows one empty block;
    // every later line starts a block of its own, empty lines included.
    QTextCursor cursor(ui->MemoCarpeta->document());
    cursor.movePosition(QTextCursor::End);
    if (m_registreTeLinies)
        cursor.insertBlock();
    cursor.insertText(linia);
    m_registreTeLinies = true;
}

void TFormPrincipal::BuidarRegistre()
{
    ui->MemoCarpeta->clear();
    m_registreTeLinies = false;
}

QString TFormPrincipal::LiniaResposta(const QString &pregunta, const QString &resposta,
                                      const QString &marca) const
{
    return pregunta + Tab + resposta + Tab + marca + Tab + QStringLiteral("P:") + Tab +
           QString::number(NombrePreguntes) + Tab + QStringLiteral("C:") + Tab +
           QString::number(NombreCorrectes);
}

void TFormPrincipal::MenuCopiarALaCarpetaClick()
{
    AturarJocs();
    AfegirRegistre(QString());
    AfegirRegistre(horaActual());
    AfegirRegistre(QString());
    QString text = ui->MemoCarpeta->toPlainText();
#ifdef Q_OS_WIN
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
#endif
    if (QClipboard *portapapers = QGuiApplication::clipboard())
        portapapers->setText(text);
}

// ---------------------------------------------------------------------------
// Answer entry and checking

void TFormPrincipal::FocusResultat()
{
    ui->EditResultat->setFocus();
    ui->EditResultat->end(false);
}

void TFormPrincipal::ButtonDigitClick(int digit)
{
    ui->EditResultat->setText(ui->EditResultat->text() + QString::number(digit));
    FocusResultat();
}

void TFormPrincipal::ButtonMenysClick()
{
    QString text = ui->EditResultat->text();
    if (text.startsWith(QLatin1Char('-')))
        text.remove(0, 1);
    else
        text.prepend(QLatin1Char('-'));
    ui->EditResultat->setText(text);
    FocusResultat();
}

void TFormPrincipal::ButtonEsborrarClick()
{
    ui->EditResultat->clear();
    FocusResultat();
}

QString TFormPrincipal::RespostaEsperada() const
{
    // The evaluator reads a letter x as its variable and a point as a
    // decimal point: both multiplication signs become "*".
    QString expressio = SubstituirTot(ui->LabelOperacio->text(), QStringLiteral("x"),
                                      QStringLiteral("*"));
    expressio = SubstituirTot(expressio, QStringLiteral("."), QStringLiteral("*"));
    return QString::fromStdString(AvaluarExpressio(expressio.toStdString()));
}

void TFormPrincipal::ActivarBotonsResposta(bool actius)
{
    ui->BitBtnDAcord->setEnabled(actius);
    ui->ButtonNou->setEnabled(actius);
}

bool TFormPrincipal::LlegirResultat() const
{
    return m_opcions && m_opcions->LlegirResultat();
}

bool TFormPrincipal::JocEnCurs() const
{
    return TimerCompeEnrera.isActive() || TimerContrarelloge.isActive();
}

void TFormPrincipal::ButtonNouClick()
{
    SeguirLaPregunta();
    ActivarBotonsResposta(false);
    const QString pregunta = ui->LabelOperacio->text();
    setOperacio(pregunta + QStringLiteral(" = ") + RespostaEsperada());
    m_avis->Anunciar(ui->LabelOperacio->text());
    ui->EditResultat->clear();
    if (LlegirResultat())
        ParlarOperacio(ui->LabelOperacio->text());
    Esperar(PausaNovaPregunta);
    if (m_tancat)
        return;
    GenerarPregunta();
    ++NombrePreguntes;
    RetolarComptadors();
    // The line names the question now shown: the new one.
    AfegirRegistre(LiniaResposta(ui->LabelOperacio->text(), QString(), QStringLiteral("NC")));
    ui->EditResultat->setFocus();
    ActivarBotonsResposta(true);
}

void TFormPrincipal::SeguirLaPregunta()
{
    // Disabling the control that has the focus would pass it on to the
    // next key, which a screen reader would then read instead of the
    // verdict, and which a key pressed in the pause would work. The focus
    // waits on the question instead, which takes no keys.
    if (ui->LabelOperacio->isVisible())
        ui->LabelOperacio->setFocus();
}

void TFormPrincipal::BitBtnDAcordClick()
{
    SeguirLaPregunta();
    ActivarBotonsResposta(false);
    ++NombrePreguntes;
    RetolarComptadors();
    const QString pregunta = ui->LabelOperacio->text();
    const QString esperada = RespostaEsperada();
    const QString resposta = ui->EditResultat->text().remove(QLatin1Char('+'));
    ui->EditResultat->setEnabled(false);
    if (resposta == esperada)
        CamiCorrecte(pregunta, esperada);
    else
        CamiIncorrecte(pregunta);
    if (m_tancat)
        return;
    ui->EditResultat->setFocus();
    ActivarBotonsResposta(true);
}

void TFormPrincipal::CamiCorrecte(const QString &pregunta, const QString &esperada)
{
    ++NombreCorrectes;
    RetolarComptadors();
    AfegirRegistre(
        LiniaResposta(pregunta + QStringLiteral(" = "), ui->EditResultat->text(), QStringLiteral("C")));
    setOperacio(pregunta + QStringLiteral(" = ") + esperada);
    ui->EditResultat->setText(TextBe);
    m_avis->Anunciar(ui->LabelOperacio->text() + QStringLiteral(", ") + TextBe);
    const QString lloanca = SubstituirTot(ui->LabelOperacio->text() + QStringLiteral(", ") + TextBe,
                                          QStringLiteral("="), QStringLiteral(","));
    if (LlegirResultat())
        ParlarOperacio(lloanca);
    // During a game a correct answer moves on at once.
    if (!JocEnCurs())
        Esperar(PausaResposta);
    if (m_tancat)
        return;
    ui->EditResultat->setEnabled(true);
    ui->EditResultat->clear();
    ComprovarFinalJoc2();
    if (m_tancat)
        return;
    GenerarPregunta();
}

void TFormPrincipal::CamiIncorrecte(const QString &pregunta)
{
    AfegirRegistre(LiniaResposta(pregunta + QStringLiteral(" =| "), ui->EditResultat->text(),
                                 QStringLiteral("I")));
    setOperacio(pregunta + QStringLiteral(" = ") + TextNoCorrecte);
    m_avis->Anunciar(ui->LabelOperacio->text());
    if (LlegirResultat())
        ParlarOperacio(TextNoCorrecte);
    Esperar(PausaResposta);
    if (m_tancat)
        return;
    ui->EditResultat->setEnabled(true);
    setOperacio(pregunta);
    m_avis->Anunciar(pregunta);
    ui->EditResultat->clear();
    if (LlegirResultat())
        ParlarOperacio(pregunta);
}

void TFormPrincipal::CheckBoxNoVeureClick()
{
    const bool amagar = ui->CheckBoxNoVeure->isChecked();
    ui->LabelOperacio->setVisible(!amagar);
    if (!m_opcions)
        return;
    try {
        m_opcions->configuracio().WriteString(QStringLiteral("TRIMBOL"),
                                              QStringLiteral("CheckBoxNoVeure"),
                                              amagar ? QStringLiteral("SI") : QStringLiteral("NO"));
    } catch (const ErrorEscriptura &error) {
        InformarError(this, QString::fromStdString(error.what()));
    }
}

void TFormPrincipal::VerdicteSenseEnfosquir()
{
    // The verdict is written into the answer box while it is disabled: it
    // keeps the colours of the enabled box instead of turning grey.
    QPalette paleta = ui->EditResultat->palette();
    for (const QPalette::ColorRole rol : {QPalette::Text, QPalette::Base})
        paleta.setColor(QPalette::Disabled, rol, paleta.color(QPalette::Active, rol));
    ui->EditResultat->setPalette(paleta);
}

void TFormPrincipal::MostrarButtonMenys(bool visible) { ui->ButtonMenys->setVisible(visible); }

void TFormPrincipal::MenuVeureElsBotonsNumericsClick()
{
    // The action toggles its own tick before this runs.
    const bool veure = ui->MenuVeureElsBotonsNumerics->isChecked();
    for (QPushButton *digit : Digits())
        digit->setVisible(veure);
    ui->ButtonMenys->setVisible(veure);
    ui->ButtonEsborrar->setVisible(veure);
    setFixedHeight(veure ? 488 : 318);
}

// ---------------------------------------------------------------------------
// The options cycle and the timed games

void TFormPrincipal::SpeedButtonMenuClick()
{
    AturarJocs();
    m_opcions->ModeTriat = TFormTTS::ModeNormal;
    MostrarModal(*m_opcions);
    if (m_tancat)
        return;
    switch (m_opcions->ModeTriat) {
    case TFormTTS::ModeJoc1:
        MenuFerElMaximDOperacionsClick();
        break;
    case TFormTTS::ModeJoc2:
        MenuContraRellotgeClick();
        break;
    case TFormTTS::ModeSortir:
        MenuSortirClick();
        break;
    default:
        MenuIniciarDeNouClick();
        break;
    }
    if (m_tancat)
        return;
    IniciarEscaneig();
}

void TFormPrincipal::MostrarModal(QDialog &dialeg)
{
    // The window opens in front of the one it was opened from (the options
    // window for the about window, this one for the others), even where no
    // window manager raises it: the about window, already shown once as the
    // splash, would otherwise reopen at its old place in the stack.
    QWidget *davant = QApplication::activeModalWidget();
    if (!davant)
        davant = this;
    dialeg.winId();
    if (QWindow *finestra = dialeg.windowHandle(); finestra && davant->windowHandle())
        finestra->setTransientParent(davant->windowHandle());
    QTimer::singleShot(0, &dialeg, [&dialeg] {
        dialeg.raise();
        dialeg.activateWindow();
    });
    dialeg.exec();
    // The focus comes back to the window it was opened from, even where no
    // window manager hands it back: keys and a screen reader follow it.
    if (davant->isVisible())
        davant->activateWindow();
}

void TFormPrincipal::AturarJocs()
{
    TimerCompeEnrera.stop();
    TimerContrarelloge.stop();
    ui->LabelCompteEnrera->hide();
}

void TFormPrincipal::IniciarJoc(QTimer &temporitzador, const QString &textInicial,
                                const QString &titol)
{
    m_opcions->Close();
    TimerCompeEnrera.stop();
    TimerContrarelloge.stop();
    PosarCompte(textInicial);
    ui->LabelCompteEnrera->show();
    setOperacio(QString());
    m_jocs->setWindowTitle(QStringLiteral("Trimbol - ") + titol);
    m_jocs->ui->LabelInformacio->setText(TextPreparats);
    QApplication::beep();
    // Any way of closing the prompt goes ahead: it has no cancel.
    MostrarModal(*m_jocs);
    if (m_tancat)
        return;
    MenuIniciarDeNouClick();
    temporitzador.start();
}

void TFormPrincipal::MenuFerElMaximDOperacionsClick()
{
    IniciarJoc(TimerCompeEnrera, QString::number(SegonsJoc1), m_opcions->TitolJoc1());
}

void TFormPrincipal::MenuContraRellotgeClick()
{
    IniciarJoc(TimerContrarelloge, QStringLiteral("0"), m_opcions->TitolJoc2());
    if (m_tancat)
        return;
    // The race is timed from here, once the prompt is closed and the first
    // question is on display.
    IniciJoc2 = Rellotge::GetTickCount();
}

void TFormPrincipal::MostrarJocs(const QString &informacio)
{
    m_jocs->ui->LabelInformacio->setText(informacio);
    QApplication::beep();
    MostrarModal(*m_jocs);
}

void TFormPrincipal::PosarCompte(const QString &text)
{
    // The big number keeps its place; a wider one (a race past 99 seconds,
    // a time with tenths) grows around the same centre instead of being cut.
    QLabel *compte = ui->LabelCompteEnrera;
    compte->setText(text);
    constexpr int Centre = 460 + 72 / 2;
    const int amplada = std::max(72, compte->sizeHint().width());
    compte->setGeometry(std::min(Centre - amplada / 2, width() - amplada), 95, amplada, 86);
}

void TFormPrincipal::TimerCompeEnreraTimer()
{
    const QString restants = QString::number(ui->LabelCompteEnrera->text().toInt() - 1);
    PosarCompte(restants);
    if (restants != QLatin1String("0"))
        return;
    TimerCompeEnrera.stop();
    MostrarJocs(ui->LabelPreguntes->text() + QStringLiteral(" - ") + ui->LabelCorrectes->text());
    ui->LabelCompteEnrera->hide();
}

void TFormPrincipal::TimerContrarellogeTimer()
{
    PosarCompte(QString::number(ui->LabelCompteEnrera->text().toInt() + 1));
}

QString TFormPrincipal::TextTemps(std::uint32_t ms)
{
    // Tenths, an exact half going to the even neighbour, in whole numbers so
    // that 83 450 ms is exactly 834.5 tenths.
    std::uint32_t decimes = ms / 100;
    const std::uint32_t resta = ms % 100;
    if (resta > 50 || (resta == 50 && decimes % 2 == 1))
        ++decimes;
    if (decimes % 10 == 0)
        return QString::number(decimes / 10);
    return QString::number(decimes / 10) + QLocale().decimalPoint() + QString::number(decimes % 10);
}

void TFormPrincipal::ComprovarFinalJoc2()
{
    if (NombreCorrectes != CorrectesJoc2 || !TimerContrarelloge.isActive())
        return;
    const std::uint32_t transcorregut = Rellotge::GetTickCount() - IniciJoc2;
    const QString temps = TextTemps(transcorregut);
    TimerContrarelloge.stop();
    PosarCompte(temps);
    m_jocs->setWindowTitle(QStringLiteral("Trimbol - ") + m_opcions->TitolJoc2());
    MostrarJocs(ui->LabelPreguntes->text() + QStringLiteral(" - ") + ui->LabelCorrectes->text() +
                QStringLiteral(" - ") + temps + TextSegons);
    ui->LabelCompteEnrera->hide();
}

void TFormPrincipal::MenuSortirClick()
{
    AturarJocs();
    close();
}

void TFormPrincipal::MenuParlantDeClick()
{
    AturarJocs();
    if (m_about)
        MostrarModal(*m_about);
}

void TFormPrincipal::closeEvent(QCloseEvent *event)
{
    m_tancat = true;
    AturarJocs();
    event->accept();
    // Ends every loop, the pauses and modal windows included.
    QCoreApplication::exit(0);
}

// ---------------------------------------------------------------------------
// Interface language

void TFormPrincipal::MenuCatalaClick() { AplicarLlengua(Llengua::Catala); }
void TFormPrincipal::MenuCastellaClick() { AplicarLlengua(Llengua::Castella); }

void TFormPrincipal::AplicarLlengua(Llengua llengua)
{
    ui->MenuCatala->setChecked(llengua == Llengua::Catala);
    ui->MenuCastella->setChecked(llengua == Llengua::Castella);
    AplicarTextos(this, Textos::principal(), llengua);
    AplicarTextosAccessibles(this, Textos::accessiblesPrincipal(), llengua);
    if (m_opcions) {
        AplicarTextos(m_opcions, Textos::opcions(), llengua);
        AplicarTextos(m_opcions, Textos::opcionsCommutadors(), llengua);
        AplicarTextosAccessibles(m_opcions, Textos::accessiblesOpcions(), llengua);
    }
    if (m_about)
        AplicarTextosAccessibles(m_about, Textos::accessiblesAbout(), llengua);
    // The about window's texts stay; the pages it opens follow the language.
    if (auto *about = qobject_cast<TAboutBox *>(m_about))
        about->setLlengua(llengua);
    ui->SpeedButtonMenu->setToolTip(Textos::consellOpcions(llengua));
    for (QLabel *comptador : {ui->LabelPreguntes, ui->LabelCorrectes})
        comptador->setToolTip(Textos::consellComptadors(llengua));
    if (m_jocs)
        m_jocs->ui->BitBtnDAcord->setText(ui->BitBtnDAcord->text());
    const TextsComuns textos = Textos::comuns(llengua);
    TextPreparats = textos.TextPreparats;
    TextSegons = textos.TextSegons;
    if (m_opcions)
        m_opcions->setWindowTitle(Textos::titolOpcions(llengua));
    setWindowTitle(Textos::titolPrincipal(llengua));
    TextPreguntes = textos.TextPreguntes;
    TextCorrectes = textos.TextCorrectes;
    TextBe = textos.TextBe;
    TextNoCorrecte = textos.TextNoCorrecte;
    ui->CheckBoxNoVeure->setText(Textos::checkBoxNoVeure(llengua));
    RetolarComptadors();
}

// ---------------------------------------------------------------------------
// Speech

QString TFormPrincipal::FormaParlada(const QString &text) const
{
    std::optional<Llengua> llengua;
    if (ui->MenuCatala->isChecked())
        llengua = Llengua::Catala;
    else if (ui->MenuCastella->isChecked())
        llengua = Llengua::Castella;
    return ::FormaParlada(text, llengua);
}

void TFormPrincipal::ParlarOperacio(const QString &text)
{
    if (m_opcions)
        m_opcions->Parlar(FormaParlada(text));
}
