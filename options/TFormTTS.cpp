#include "TFormTTS.h"

#include "AccesOpcions.h"
#include "AccessibilitatOpcions.h"
#include "AlumneOpcions.h"
#include "Escanejable.h"
#include "FinestraPrincipal.h"
#include "Glifs.h"
#include "InformarError.h"
#include "MidesLletra.h"
#include "PaginesAjuda.h"
#include "TFormAjuda.h"
#include "ui_TFormTTS.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QUrl>

namespace {
const QString Trimbol = QStringLiteral("TRIMBOL");
const QString Accessibilitat = QStringLiteral("Accessibilitat");
const QString SI = QStringLiteral("SI");
const QString NO = QStringLiteral("NO");
const QString ClauLlegirTecles = QStringLiteral("LlegirTecles");
const QString Tts = QStringLiteral("tts");
const QString ClauNumero = QStringLiteral("Numero sintetitzador");
// The entry's text and whether the learner chose it: the place alone points
// at another voice once the list changes.
const QString ClauNom = QStringLiteral("Nom sintetitzador");
const QString ClauTriat = QStringLiteral("Sintetitzador triat");

QString siNo(bool valor) { return valor ? SI : NO; }

QLocale::Language LlenguaInterficie(const Ui::TFormTTS &ui)
{
    return ui.CheckBoxMenuCastellano->isChecked() ? QLocale::Spanish : QLocale::Catalan;
}
} // namespace

TFormTTS::TFormTTS(FinestraPrincipal &principal, const QString &camiConfiguracio,
                   bool ocultarProvesVeu, Veus veus, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFormTTS>()), Motors(new MotorsDeVeu(m_fitxer, this)),
      OcultarProvesVeu(ocultarProvesVeu), m_principal(principal), m_fitxer(camiConfiguracio)
{
    ui->setupUi(this);
    AplicarMidesLletra(this);
    setFixedSize(971, 588);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    ui->BitBtnDAcord->setIcon(Glifs::estandard(QStyle::SP_DialogOkButton));
    ui->BitBtnOperacions60->setIcon(Glifs::ignorar());
    ui->BitBtnContrarrellotge->setIcon(Glifs::ignorar());
    ui->ButtonParlantDe->setIcon(Glifs::parlantDe());
    ui->BitBtnSortir->setIcon(Glifs::sortir());
    ui->BitBtnHelp->setIcon(Glifs::ajuda());
    ui->BitBtnHelp->setIconSize(QSize(32, 32));
    ui->LabelInstalar->setCursor(Qt::PointingHandCursor);
    ui->LabelInstalar->installEventFilter(this);
    PrepararTeclatInstalar();
    PrepararAccessibilitatOpcions(this, *ui, [this] { LabelInstalarClick(); });
    connectarControls();
    FormCreate();
    if (veus == Veus::AlCrear)
        PrepararVeus();
    m_acces = new AccesOpcions(m_fitxer, ui->ButtonAcces, [this] {
        return ui->CheckBoxMenuCastellano->isChecked() ? Llengua::Castella : Llengua::Catala;
    }, this);
    // While a scan runs the learner's switches work this window's buttons.
    FerEscanejable(this);
}

// The engine library is freed when the window goes, at program end.
TFormTTS::~TFormTTS() { Motors->AlliberarUPCTV(); }

void TFormTTS::connectarControls()
{
    const auto enMarcar = [this](QAbstractButton *boto, void (TFormTTS::*handler)()) {
        connect(boto, &QAbstractButton::toggled, this, [this, handler](bool marcat) {
            if (marcat)
                (this->*handler)();
        });
    };
    enMarcar(ui->RadioButtonTS1X, &TFormTTS::RadioButtonTS1XClick);
    enMarcar(ui->RadioButtonTM1X, &TFormTTS::RadioButtonTM1XClick);
    enMarcar(ui->RadioButtonTR1X, &TFormTTS::RadioButtonTR1XClick);
    enMarcar(ui->RadioButtonTD1X, &TFormTTS::RadioButtonTD1XClick);
    enMarcar(ui->RadioButtonSE1X, &TFormTTS::RadioButtonSE1XClick);
    enMarcar(ui->RadioButtonME1X, &TFormTTS::RadioButtonME1XClick);
    enMarcar(ui->RadioButtonS3E1X, &TFormTTS::RadioButtonS3E1XClick);
    enMarcar(ui->RadioButtonM3E1X, &TFormTTS::RadioButtonM3E1XClick);
    enMarcar(ui->RadioButtonSE2X, &TFormTTS::RadioButtonSE2XClick);
    enMarcar(ui->RadioButtonME2X, &TFormTTS::RadioButtonME2XClick);

    // Check boxes run their handler at every change, by the user or the program.
    const auto enCanviar = [this](QAbstractButton *boto, void (TFormTTS::*handler)()) {
        connect(boto, &QAbstractButton::toggled, this, [this, handler] { (this->*handler)(); });
    };
    enCanviar(ui->CheckBoxSecundaria, &TFormTTS::CheckBoxSecundariaClick);
    enCanviar(ui->CheckBoxLlegirResultat, &TFormTTS::CheckBoxLlegirResultatClick);
    enCanviar(ui->CheckBoxMenuCastellano, &TFormTTS::CheckBoxMenuCastellanoClick);
    enCanviar(ui->CheckBoxEscaneig, &TFormTTS::CheckBoxEscaneigClick);
    enCanviar(ui->CheckBoxEscaneigDirigit, &TFormTTS::CheckBoxEscaneigDirigitClick);

    connect(ui->UpDownEditTaulesFinsLesDe, &UpDown::Click, this,
            &TFormTTS::UpDownEditTaulesFinsLesDeClick);
    connect(ui->UpDownEditIntervalEscaneig, &UpDown::Click, this,
            &TFormTTS::UpDownEditIntervalEscaneigClick);
    connect(ui->ButtonParlantDe, &QPushButton::clicked, this, &TFormTTS::ButtonParlantDeClick);
    connect(ui->ButtonCopiarALaCarpeta, &QPushButton::clicked, this,
            &TFormTTS::ButtonCopiarALaCarpetaClick);
    connect(ui->BitBtnHelp, &QPushButton::clicked, this, &TFormTTS::BitBtnHelpClick);
    connect(ui->ButtonInforme, &QPushButton::clicked, this, &TFormTTS::ButtonInformeClick);
    connect(ui->BitBtnDAcord, &QPushButton::clicked, this, &TFormTTS::BitBtnDAcordClick);
    connect(ui->BitBtnOperacions60, &QPushButton::clicked, this, &TFormTTS::BitBtnOperacions60Click);
    connect(ui->BitBtnContrarrellotge, &QPushButton::clicked, this,
            &TFormTTS::BitBtnContrarrellotgeClick);
    connect(ui->BitBtnSortir, &QPushButton::clicked, this, &TFormTTS::BitBtnSortirClick);
    // A new selection applies its entry, whether the arrow keys or the mouse
    // made it; a click on the entry already selected applies it again.
    QListWidget *llista = ui->ListBoxMotorsDeVeu;
    connect(llista, &QListWidget::itemSelectionChanged, this, &TFormTTS::ListBoxMotorsDeVeuClick);
    connect(llista, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (ui->ListBoxMotorsDeVeu->row(item) == m_filaAbansClic)
            ListBoxMotorsDeVeuClick();
    });
    llista->viewport()->installEventFilter(this);
    connect(ui->ButtonParlar, &QPushButton::clicked, this, &TFormTTS::ButtonParlarClick);
    connect(ui->ButtonCalla, &QPushButton::clicked, this, &TFormTTS::ButtonCallaClick);
    connect(ui->ButtonWav, &QPushButton::clicked, this, &TFormTTS::ButtonWavClick);
}

template <typename F> void TFormTTS::ambEscriptura(F &&f)
{
    try {
        f();
    } catch (const ErrorEscriptura &error) {
        InformarError(this, QString::fromStdString(error.what()));
    }
}

void TFormTTS::FormCreate()
{
    // The settings file object already exists: it is a member. The voice
    // list is filled by PrepararVeus().
    if (OcultarProvesVeu) {
        ui->ButtonParlar->hide();
        ui->ButtonCalla->hide();
        ui->ButtonWav->hide();
        ui->EditText->hide();
    }
    for (QRadioButton *secundaria : {ui->RadioButtonSE1X, ui->RadioButtonME1X, ui->RadioButtonS3E1X,
                                     ui->RadioButtonM3E1X, ui->RadioButtonSE2X, ui->RadioButtonME2X})
        secundaria->hide();
    m_alumne = std::make_unique<AlumneOpcions>(m_fitxer, ui->ComboBoxAlumne);
    m_alumne->Llegir();
    LlegirIntervalEscaneig();
    ui->CheckBoxLlegirTecles->setChecked(
        m_fitxer.ReadString(Accessibilitat, ClauLlegirTecles, NO) == SI);
}

void TFormTTS::PrepararVeus()
{
    if (m_veusPreparades)
        return;
    m_veusPreparades = true;
    QListWidget *llista = ui->ListBoxMotorsDeVeu;
    const QSignalBlocker bloqueig(llista);
    llista->addItems(Motors->LlistarVeus());
    if (!Motors->MSPDisponible && !Motors->SAPIDisponible) {
        ui->ButtonParlar->setEnabled(false);
        ui->ButtonWav->setEnabled(false);
    }
    llista->addItems(Motors->PrepararUPCTV());
    for (int fila = 0; fila < llista->count(); ++fila)
        llista->item(fila)->setSizeHint(QSize(0, 25)); // rows 25 pixels high
    if (llista->count() == 0) {
        ui->ButtonParlar->hide();
        ui->ButtonCalla->hide();
        ui->ButtonWav->hide();
        return;
    }
    RestaurarVeu();
}

void TFormTTS::RestaurarVeu()
{
    const QString nom = m_fitxer.ReadString(Tts, ClauNom, QString());
    const MotorsDeVeu::Restauracio eleccio = Motors->Restaurar(
        nom, m_fitxer.ReadString(Tts, ClauNumero, QStringLiteral("-1")), LlenguaInterficie(*ui));
    m_eleccioPerduda = eleccio.perduda;
    m_triadaAMa = !nom.isEmpty() && !eleccio.perduda &&
                  m_fitxer.ReadString(Tts, ClauTriat, NO) == SI;
    ui->ListBoxMotorsDeVeu->setCurrentRow(eleccio.fila);
    if (eleccio.aplicar)
        ambEscriptura([this, &eleccio] {
            Motors->ListBoxMotorsDeVeuClick(PosicioVeu(), !eleccio.automatica);
        });
}

void TFormTTS::TriarIAplicar(int fila)
{
    {
        const QSignalBlocker bloqueig(ui->ListBoxMotorsDeVeu);
        ui->ListBoxMotorsDeVeu->setCurrentRow(fila);
    }
    ambEscriptura([this] { Motors->ListBoxMotorsDeVeuClick(PosicioVeu(), false); });
}

void TFormTTS::SeguirLlengua()
{
    if (!m_veusPreparades || m_triadaAMa)
        return;
    const QLocale::Language llengua = LlenguaInterficie(*ui);
    const QLocale::Language actual = Motors->LlenguaDe(PosicioVeu());
    // A voice of unknown language is left alone: it may well speak it.
    if (actual == llengua || (actual != QLocale::Catalan && actual != QLocale::Spanish))
        return;
    const int primera = Motors->PrimeraVeuDe(llengua);
    if (primera >= 0)
        TriarIAplicar(primera);
}

int TFormTTS::PosicioVeu() const
{
    const QListWidget *llista = ui->ListBoxMotorsDeVeu;
    const QListWidgetItem *actual = llista->currentItem();
    return actual && actual->isSelected() ? llista->currentRow() : -1;
}

void TFormTTS::ListBoxMotorsDeVeuClick()
{
    m_triadaAMa = true;
    m_eleccioPerduda = false;
    ambEscriptura([this] { Motors->ListBoxMotorsDeVeuClick(PosicioVeu()); });
}

void TFormTTS::Parlar(const QString &text) { Motors->Parlar(PosicioVeu(), text); }
void TFormTTS::Anunciar(const QString &text) { Motors->Anunciar(PosicioVeu(), text); }
bool TFormTTS::Parlant() const { return Motors->Parlant(PosicioVeu()); }

void TFormTTS::Callar()
{
    ambEscriptura([this] { Motors->Callar(PosicioVeu()); });
}

QString TFormTTS::OperacioTriada() const
{
    const QString prefix = QStringLiteral("RadioButton");
    for (const QRadioButton *boto : ui->PanelOperacions->findChildren<QRadioButton *>())
        if (boto->isChecked())
            return boto->objectName().mid(prefix.size());
    return {};
}

bool TFormTTS::LlegirResultat() const { return ui->CheckBoxLlegirResultat->isChecked(); }
bool TFormTTS::LlegirTecles() const { return ui->CheckBoxLlegirTecles->isChecked(); }
bool TFormTTS::EscaneigAutomatic() const { return ui->CheckBoxEscaneig->isChecked(); }
bool TFormTTS::EscaneigDirigit() const { return ui->CheckBoxEscaneigDirigit->isChecked(); }
int TFormTTS::IntervalEscaneig() const { return ui->SpinEditIntervalEscaneig->value(); }
QString TFormTTS::TitolJoc1() const { return ui->BitBtnOperacions60->text(); }
QString TFormTTS::TitolJoc2() const { return ui->BitBtnContrarrellotge->text(); }

void TFormTTS::ButtonParlarClick() { Parlar(ui->EditText->text()); }
void TFormTTS::ButtonCallaClick() { Callar(); }

void TFormTTS::ButtonWavClick()
{
    ambEscriptura([this] { Motors->ButtonWavClick(PosicioVeu(), ui->EditText->text()); });
}

void TFormTTS::EscriureVeuTriada()
{
    if (!Motors->HiHaEntrades())
        return;
    const int p = PosicioVeu();
    m_fitxer.WriteString(Tts, ClauNumero, QString::number(p));
    if (!m_eleccioPerduda) {
        m_fitxer.WriteString(Tts, ClauNom, Motors->Entrada(p));
        m_fitxer.WriteString(Tts, ClauTriat, siNo(m_triadaAMa));
    }
    const QString tipus = Motors->TipusSintetitzador(p);
    if (!tipus.isEmpty())
        m_fitxer.WriteString(QStringLiteral("tts to Wav"), QStringLiteral("Tipus de sintetitzador"),
                             tipus);
}

void TFormTTS::LlegirIntervalEscaneig()
{
    const QString text =
        m_fitxer.ReadString(Accessibilitat, QStringLiteral("SpinEditIntervalEscaneig"),
                                      QStringLiteral("10"));
    bool esEnter = false;
    const int valor = text.toInt(&esEnter, 10);
    if (!esEnter) {
        InformarError(this, QStringLiteral("'%1' is not a valid integer value").arg(text));
        return;
    }
    // The field holds its value within its range.
    ui->SpinEditIntervalEscaneig->setValue(valor);
}

void TFormTTS::FormClose()
{
    ambEscriptura([this] {
        EscriureVeuTriada();
        m_fitxer.WriteString(Accessibilitat, QStringLiteral("SpinEditIntervalEscaneig"),
                                       QString::number(ui->SpinEditIntervalEscaneig->value()));
        m_fitxer.WriteString(Trimbol, QStringLiteral("LLEGIR"),
                                       siNo(ui->CheckBoxLlegirResultat->isChecked()));
        m_fitxer.WriteString(Trimbol, QStringLiteral("LLENGUA"),
                                       ui->CheckBoxMenuCastellano->isChecked() ? QStringLiteral("2")
                                                                               : QStringLiteral("1"));
        m_fitxer.WriteString(Accessibilitat, ClauLlegirTecles,
                             siNo(ui->CheckBoxLlegirTecles->isChecked()));
        m_alumne->Escriure();
    });
}

QString TFormTTS::Alumne() const { return m_alumne->Alumne(); }

void TFormTTS::setAlumnesConeguts(const QStringList &alumnes) { m_alumne->setConeguts(alumnes); }

void TFormTTS::ButtonInformeClick() { m_principal.MenuInformeClick(); }

void TFormTTS::done(int resultat)
{
    // Every way of closing stores the settings, the title-bar button included.
    FormClose();
    QDialog::done(resultat);
}

void TFormTTS::Close()
{
    if (isVisible())
        reject();
    else
        FormClose();
}

void TFormTTS::UpDownEditTaulesFinsLesDeClick(UpDown::Boto boto)
{
    if (boto == UpDown::Boto::Seguent && TaulaMaxima < 10)
        ++TaulaMaxima;
    else if (boto == UpDown::Boto::Anterior && TaulaMaxima > 1)
        --TaulaMaxima;
    else
        return;
    ui->SpinEditTaulesFinsLesDe->setValue(TaulaMaxima);
}

void TFormTTS::TriarOperacio(QRadioButton *boto, bool mostrarMenys)
{
    m_principal.MostrarButtonMenys(mostrarMenys);
    m_principal.ReiniciarSessio(boto->text());
}

void TFormTTS::RadioButtonTS1XClick() { TriarOperacio(ui->RadioButtonTS1X, false); }
void TFormTTS::RadioButtonTM1XClick() { TriarOperacio(ui->RadioButtonTM1X, false); }
void TFormTTS::RadioButtonTR1XClick() { TriarOperacio(ui->RadioButtonTR1X, false); }
void TFormTTS::RadioButtonTD1XClick() { TriarOperacio(ui->RadioButtonTD1X, false); }
void TFormTTS::RadioButtonSE1XClick() { TriarOperacio(ui->RadioButtonSE1X, true); }
void TFormTTS::RadioButtonME1XClick() { TriarOperacio(ui->RadioButtonME1X, true); }
void TFormTTS::RadioButtonS3E1XClick() { TriarOperacio(ui->RadioButtonS3E1X, true); }
void TFormTTS::RadioButtonM3E1XClick() { TriarOperacio(ui->RadioButtonM3E1X, true); }
void TFormTTS::RadioButtonSE2XClick() { TriarOperacio(ui->RadioButtonSE2X, true); }
void TFormTTS::RadioButtonME2XClick() { TriarOperacio(ui->RadioButtonME2X, true); }

void TFormTTS::CheckBoxSecundariaClick()
{
    // Selecting the multiplication tables runs their handler once.
    if (!ui->RadioButtonTM1X->isChecked())
        ui->RadioButtonTM1X->setChecked(true);
    const bool mostrar = ui->CheckBoxSecundaria->isChecked();
    for (QRadioButton *secundaria : {ui->RadioButtonSE1X, ui->RadioButtonME1X, ui->RadioButtonS3E1X,
                                     ui->RadioButtonM3E1X, ui->RadioButtonSE2X, ui->RadioButtonME2X})
        secundaria->setVisible(mostrar);
}

void TFormTTS::CheckBoxLlegirResultatClick()
{
    m_principal.setPausaResposta(ui->CheckBoxLlegirResultat->isChecked() ? 3000 : 1500);
}

void TFormTTS::CheckBoxMenuCastellanoClick()
{
    if (ui->CheckBoxMenuCastellano->isChecked())
        m_principal.MenuCastellaClick();
    else
        m_principal.MenuCatalaClick();
    SeguirLlengua();
}

void TFormTTS::CheckBoxEscaneigClick()
{
    if (ui->CheckBoxEscaneig->isChecked())
        ui->CheckBoxEscaneigDirigit->setChecked(false);
}

void TFormTTS::CheckBoxEscaneigDirigitClick()
{
    if (ui->CheckBoxEscaneigDirigit->isChecked())
        ui->CheckBoxEscaneig->setChecked(false);
}

void TFormTTS::UpDownEditIntervalEscaneigClick(UpDown::Boto boto)
{
    QSpinBox *camp = ui->SpinEditIntervalEscaneig;
    if (boto == UpDown::Boto::Seguent && camp->value() < camp->maximum())
        camp->setValue(camp->value() + 1);
    else if (boto == UpDown::Boto::Anterior && camp->value() > camp->minimum())
        camp->setValue(camp->value() - 1);
}

void TFormTTS::ButtonParlantDeClick() { m_principal.MenuParlantDeClick(); }
void TFormTTS::ButtonCopiarALaCarpetaClick() { m_principal.MenuCopiarALaCarpetaClick(); }

QUrl TFormTTS::paginaInstalarVeus() const
{
    return PaginesAjuda::Pagina(QStringLiteral("veus"), ui->CheckBoxMenuCastellano->isChecked()
                                                            ? Llengua::Castella
                                                            : Llengua::Catala);
}
QUrl TFormTTS::paginaAjuda() const
{
    return PaginesAjuda::Pagina(QStringLiteral("index"), ui->CheckBoxMenuCastellano->isChecked()
                                                             ? Llengua::Castella
                                                             : Llengua::Catala);
}

// The pages are ours: they open in the help window, over this one.
void TFormTTS::LabelInstalarClick() { TFormAjuda::Obrir(this, paginaInstalarVeus()); }
void TFormTTS::BitBtnHelpClick() { TFormAjuda::Obrir(this, paginaAjuda()); }

void TFormTTS::PrepararTeclatInstalar()
{
    // The link is a Tab stop right after the voice list it is about, and
    // shows its focus with a yellow background under the blue text.
    QLabel *enllac = ui->LabelInstalar;
    enllac->setFocusPolicy(Qt::TabFocus);
    setTabOrder(ui->ListBoxMotorsDeVeu, enllac);
    QPalette paleta = enllac->palette();
    paleta.setColor(QPalette::Window, Qt::yellow);
    enllac->setPalette(paleta);
}

bool TFormTTS::EventInstalar(QEvent *event)
{
    QLabel *enllac = ui->LabelInstalar;
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return false;
        LabelInstalarClick();
        return true;
    case QEvent::KeyPress:
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            LabelInstalarClick();
            return true;
        default:
            return false;
        }
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        const bool enfocat = event->type() == QEvent::FocusIn;
        enllac->setAutoFillBackground(enfocat);
        QFont font = enllac->font();
        font.setUnderline(enfocat);
        enllac->setFont(font);
        return false;
    }
    default:
        return false;
    }
}

bool TFormTTS::eventFilter(QObject *objecte, QEvent *event)
{
    if (objecte == ui->ListBoxMotorsDeVeu->viewport() && event->type() == QEvent::MouseButtonPress)
        m_filaAbansClic = PosicioVeu();
    if (objecte == ui->LabelInstalar && EventInstalar(event))
        return true;
    return QDialog::eventFilter(objecte, event);
}

void TFormTTS::BitBtnDAcordClick()
{
    ModeTriat = ModeNormal;
    done(QDialog::Accepted);
}

void TFormTTS::BitBtnOperacions60Click()
{
    ModeTriat = ModeJoc1;
    done(QDialog::Accepted);
}

void TFormTTS::BitBtnContrarrellotgeClick()
{
    ModeTriat = ModeJoc2;
    done(QDialog::Accepted);
}

void TFormTTS::BitBtnSortirClick()
{
    ModeTriat = ModeSortir;
    done(QDialog::Rejected);
}
