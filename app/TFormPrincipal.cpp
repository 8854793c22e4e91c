#include "TFormPrincipal.h"

#include "AnotacioHistoria.h"
#include "AvisAccessible.h"
#include "Escaneig.h"
#include "Esperar.h"
#include "FinestraAccessible.h"
#include "FormaParlada.h"
#include "ConsultaHistoria.h"
#include "Historia.h"
#include "IdiomaFinestres.h"
#include "InformarError.h"
#include "JocsCronometrats.h"
#include "MostrarModal.h"
#include "MarcFocus.h"
#include "MenuIcona.h"
#include "RegistreFeina.h"
#include "Rellotge.h"
#include "RolsAccessibles.h"
#include "SubstituirTot.h"
#include "TeclatPrincipal.h"
#include "TAboutBox.h"
#include "TFormInforme.h"
#include "TFormJocs.h"
#include "AccesOpcions.h"
#include "TFormTTS.h"
#include "UnitCalcDll32.h"
#include "Glifs.h"
#include "MidesLletra.h"
#include "ui_TFormJocs.h"
#include "ui_TFormPrincipal.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <QTime>

TFormPrincipal::TFormPrincipal(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::TFormPrincipal>()),
      m_jocsCronometrats(std::make_unique<JocsCronometrats>(*this)),
      m_anotacio(std::make_unique<AnotacioHistoria>([this] { return ContextHistoria(); }))
{
    InstallarFinestraAccessible();
    ui->setupUi(this);
    m_registre = std::make_unique<RegistreFeina>(ui->MemoCarpeta);
    m_jocsCronometrats->setCursaAcabada([this](std::uint32_t ms) { m_anotacio->AcabarCursa(ms); });
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
    connect(m_escaneig.get(), &::Escaneig::Premuda, this, [this] { m_anotacio->Premuda(); });
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
    // F10 opens the options window, as the picture button does.
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
    return GeneradorPreguntes::TipusDeCodi(m_opcions->OperacioTriada());
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
    m_anotacio->PreguntaMostrada();
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
    m_registre->Capcalera(titol);
    ui->EditResultat->clear();
    TitolSessio = titol;
    m_anotacio->NovaSessio();
}

void TFormPrincipal::MenuIniciarDeNouClick()
{
    ReiniciarSessio(TitolSessio);
    GenerarPregunta();
}

// ---------------------------------------------------------------------------
// The record of work and the learner's history

void TFormPrincipal::AfegirRegistre(const QString &linia) { m_registre->Afegir(linia); }
void TFormPrincipal::BuidarRegistre() { m_registre->Buidar(); }

QString TFormPrincipal::LiniaResposta(const QString &pregunta, const QString &resposta,
                                      const QString &marca) const
{
    return RegistreFeina::LiniaResposta(pregunta, resposta, marca, NombrePreguntes,
                                        NombreCorrectes);
}

void TFormPrincipal::MenuCopiarALaCarpetaClick() { AturarJocs(); m_registre->Copiar(); }

void TFormPrincipal::ObrirHistoria(const QString &cami)
{
    if (!m_historia)
        m_historia = m_anotacio->CrearHistoria(this, [this] { return LlenguaActual(); });
    m_historia->Obrir(cami);
}

AnotacioHistoria::Context TFormPrincipal::ContextHistoria() const
{
    const ModeJoc mode = TimerCompeEnrera.isActive()     ? ModeJoc::Operacions60
                         : TimerContrarelloge.isActive() ? ModeJoc::Contrarrellotge32
                                                         : ModeJoc::Normal;
    if (!m_opcions)
        return {QString(), QString(), mode};
    return {m_opcions->Alumne(), m_opcions->OperacioTriada(), mode};
}

void TFormPrincipal::ActualitzarAlumnes()
{
    // The learners the history knows, for the options window's list.
    if (m_historia && m_opcions)
        m_opcions->setAlumnesConeguts(ConsultaHistoria(m_historia->Cami()).Alumnes());
}

void TFormPrincipal::MenuInformeClick()
{
    AturarJocs();
    const QString cami = m_historia ? m_historia->Cami() : BaseHistoria::CamiPerDefecte();
    TFormInforme informe(cami, m_opcions->Alumne(), LlenguaActual(), QApplication::activeModalWidget());
    MostrarModal(informe);
    ActualitzarAlumnes();
}

Llengua TFormPrincipal::LlenguaActual() const
{ return ui->MenuCastella->isChecked() ? Llengua::Castella : Llengua::Catala; }

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

bool TFormPrincipal::JocEnCurs() const { return m_jocsCronometrats->EnCurs(); }

void TFormPrincipal::ButtonNouClick()
{
    const AnotacioHistoria::Mesura mesura = m_anotacio->Mesurar();
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
    // The line names the question now shown: the new one. The history
    // keeps the question skipped, the fact the learner did not answer.
    AfegirRegistre(LiniaResposta(ui->LabelOperacio->text(), QString(), QStringLiteral("NC")));
    m_anotacio->Anotar(pregunta, QString(), QStringLiteral("NC"), mesura);
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
    m_mesura = m_anotacio->Mesurar();
    const QString pregunta = ui->LabelOperacio->text();
    const QString esperada = RespostaEsperada();
    const QString resposta = ui->EditResultat->text().remove(QLatin1Char('+'));
    // In a game a right answer moves on at once: the focus stays in the
    // answer box, and a screen reader says verdict and next question together.
    const bool seguida = JocEnCurs() && resposta == esperada && ui->EditResultat->hasFocus();
    if (!seguida)
        SeguirLaPregunta();
    ActivarBotonsResposta(false);
    ++NombrePreguntes;
    RetolarComptadors();
    if (!seguida)
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
    m_anotacio->Anotar(pregunta, ui->EditResultat->text(), QStringLiteral("C"), m_mesura);
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
    m_anotacio->Anotar(pregunta, ui->EditResultat->text(), QStringLiteral("I"), m_mesura);
    setOperacio(pregunta + QStringLiteral(" = ") + TextNoCorrecte);
    m_avis->Anunciar(ui->LabelOperacio->text());
    if (LlegirResultat())
        ParlarOperacio(TextNoCorrecte);
    Esperar(PausaResposta);
    if (m_tancat)
        return;
    ui->EditResultat->setEnabled(true);
    setOperacio(pregunta);
    m_anotacio->PreguntaMostrada();
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
    ActualitzarAlumnes();
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

void TFormPrincipal::MostrarModal(QDialog &dialeg) { ::MostrarModal(dialeg, this); }

// The games themselves live in JocsCronometrats.
void TFormPrincipal::AturarJocs() { m_jocsCronometrats->Aturar(); }
void TFormPrincipal::MenuFerElMaximDOperacionsClick() { m_jocsCronometrats->IniciarJoc1(); }
void TFormPrincipal::MenuContraRellotgeClick() { m_jocsCronometrats->IniciarJoc2(); }
void TFormPrincipal::TimerCompeEnreraTimer() { m_jocsCronometrats->TickJoc1(); }
void TFormPrincipal::TimerContrarellogeTimer() { m_jocsCronometrats->TickJoc2(); }
void TFormPrincipal::ComprovarFinalJoc2() { m_jocsCronometrats->ComprovarFinal(); }
QString TFormPrincipal::TextTemps(std::uint32_t ms) { return JocsCronometrats::TextTemps(ms); }

void TFormPrincipal::MenuSortirClick() { AturarJocs(); close(); }

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
    if (m_opcions)
        AplicarLlenguaOpcions(m_opcions, llengua);
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
