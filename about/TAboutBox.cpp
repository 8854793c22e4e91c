#include "TAboutBox.h"

#include "ui_TAboutBox.h"

#include "DibuixDiferit.h"
#include "DibuixosAbout.h"
#include "Esperar.h"
#include "PaginesAjuda.h"
#include "Rellotge.h"
#include "TFormAjuda.h"

#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace
{
const QColor plata(0xC0, 0xC0, 0xC0);
const int alturaFilaBoto = 28;

void posarFont(QWidget *control, const char *familia, int pixels, bool negreta)
{
    QFont font(QString::fromLatin1(familia));
    font.setPixelSize(pixels);
    font.setBold(negreta);
    control->setFont(font);
}

void posarColorText(QWidget *control, const QColor &color)
{
    QPalette paleta = control->palette();
    paleta.setColor(QPalette::WindowText, color);
    control->setPalette(paleta);
}
} // namespace

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent), Timer1(new QTimer(this)), ui(std::make_unique<Ui::TAboutBox>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(303, 383);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, plata);
    paleta.setColor(QPalette::Base, plata);
    setPalette(paleta);
    setAutoFillBackground(true);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(IntervalCicle);
    connect(Timer1, &QTimer::timeout, this, &TAboutBox::Timer1Timer);

    ui->ImageOrdinador->hide();
    ui->ImageSegona->hide();
    ui->ImageInteligencia->hide();
    ui->ImageDedicatoria->hide();
    ui->Memo1->hide();
    ui->ImagePersonatge->hide();

    ui->ProductName->setToolTip(adrecaAutors().toString());
    ui->Credits->setToolTip(adrecaAutors().toString());
    ui->ImagePersonatge->setToolTip(QStringLiteral("Hola! Comptem junts?"));
    posarFonts();
    posarDibuixos();
    connectarClics();
    FormCreate();
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::FormCreate()
{
    ui->Memo1->setReadOnly(true);
    ui->Comments->setAlignment(Qt::AlignCenter);
    ui->Comments->setGeometry(ui->Comments->geometry().adjusted(0, 5, 0, 0));
    ui->Comments->setText(QStringLiteral(
        "Las matemáticas son un juego en el que cada error nos acerca a la respuesta."));
}

void TAboutBox::posarFonts()
{
    posarFont(ui->ProductName, "Comic Sans MS", 17, true);
    posarColorText(ui->ProductName, QColor(0x00, 0x80, 0x00));
    posarFont(ui->Version, "Comic Sans MS", 11, true);
    posarColorText(ui->Version, Qt::black);
    posarFont(ui->Credits, "Comic Sans MS", 12, false);
    posarFont(ui->Comments, "Comic Sans MS", 11, true);
    posarColorText(ui->Comments, QColor(0x80, 0x80, 0x80));
    posarFont(ui->Memo1, "Comic Sans MS", 13, true);
    posarFont(ui->OKButton, "MS Sans Serif", 11, true);
    // Labels that size themselves to their text keep only their place.
    for (QLabel *etiqueta : {ui->Version, ui->Credits})
        etiqueta->resize(etiqueta->sizeHint());
}

void TAboutBox::posarDibuixos()
{
    const auto pintar = [](QLabel *imatge, DibuixDiferit::Dibuix dibuix) {
        DibuixDiferit::Installar(imatge, dibuix);
    };
    pintar(ui->ImageOrella, &DibuixosAbout::orella);
    pintar(ui->ImageOrdinador, &DibuixosAbout::ordinador);
    pintar(ui->ImageVorelk, &DibuixosAbout::vorelk);
    pintar(ui->ImageSegona, &DibuixosAbout::segona);
    pintar(ui->ImageInteligencia, &DibuixosAbout::inteligencia);
    pintar(ui->ImageDedicatoria, &DibuixosAbout::dedicatoria);
    pintar(ui->ImagePersonatge, &DibuixosAbout::personatge);
}

// Every control answers its own clicks; the ones without an action swallow
// them, so that a click on a picture never counts as one on its panel.
void TAboutBox::connectarClics()
{
    for (QWidget *control : std::initializer_list<QWidget *>{
             ui->Panel1, ui->Panel2, ui->Bevel2, ui->ImageOrella, ui->ImageOrdinador,
             ui->ProductName, ui->Version, ui->Credits, ui->Comments, ui->ImageVorelk,
             ui->ImageSegona, ui->ImageInteligencia, ui->ImageDedicatoria, ui->ImagePersonatge})
        control->installEventFilter(this);
    connect(ui->OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
}

bool TAboutBox::eventFilter(QObject *objecte, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
        return true;
    if (event->type() != QEvent::MouseButtonRelease)
        return QDialog::eventFilter(objecte, event);
    const auto *ratoli = static_cast<QMouseEvent *>(event);
    auto *control = static_cast<QWidget *>(objecte);
    if (ratoli->button() != Qt::LeftButton ||
        !control->rect().contains(ratoli->position().toPoint()))
        return true;
    const std::pair<QWidget *, void (TAboutBox::*)()> accions[] = {
        {ui->Panel1, &TAboutBox::Panel1Click},
        {ui->Panel2, &TAboutBox::Panel2Click},
        {ui->Version, &TAboutBox::VersionClick},
        {ui->ImagePersonatge, &TAboutBox::ImagePersonatgeClick},
        {ui->ProductName, &TAboutBox::ProductNameClick},
        {ui->Credits, &TAboutBox::CreditsClick},
        {ui->Comments, &TAboutBox::CommentsClick},
        {ui->ImageVorelk, &TAboutBox::ImageVorelkClick},
        {ui->ImageSegona, &TAboutBox::ImageSegonaClick},
        {ui->ImageInteligencia, &TAboutBox::ImageInteligenciaClick},
        {ui->ImageDedicatoria, &TAboutBox::ImageDedicatoriaClick},
    };
    for (const auto &[emissor, accio] : accions)
        if (emissor == control)
            (this->*accio)();
    return true;
}

void TAboutBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        FormClick();
    QDialog::mouseReleaseEvent(event);
}

void TAboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    centrar();
    ui->OKButton->setFocus();
    Timer1->start(Rellotge::durada(IntervalCicle));
}

void TAboutBox::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        Timer1->stop();
}

void TAboutBox::centrar()
{
    if (const QScreen *pantalla = screen())
        move(pantalla->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

// One step of the cycle: the next picture in the lower panel, the other icon
// in the upper one.
void TAboutBox::Timer1Timer()
{
    for (QLabel *imatge :
         {ui->ImageSegona, ui->ImageInteligencia, ui->ImageDedicatoria, ui->ImageVorelk}) {
        if (!imatge->isHidden()) {
            avancarCicle(imatge);
            break;
        }
    }
    const bool ordinador = !ui->ImageOrdinador->isHidden();
    ui->ImageOrdinador->setVisible(!ordinador);
    ui->ImageOrella->setVisible(ordinador);
}

void TAboutBox::avancarCicle(QLabel *mostrada)
{
    const QLabel *cicle[] = {ui->ImageVorelk, ui->ImageSegona, ui->ImageInteligencia,
                             ui->ImageDedicatoria};
    const auto on = std::find(std::begin(cicle), std::end(cicle), mostrada);
    const auto seguent = std::next(on) == std::end(cicle) ? std::begin(cicle) : std::next(on);
    mostrada->hide();
    const_cast<QLabel *>(*seguent)->show();
}

void TAboutBox::mostrarPanells(bool mostrar)
{
    ui->Panel1->setVisible(mostrar);
    ui->Panel2->setVisible(mostrar);
    ui->ImagePersonatge->setVisible(!mostrar);
}

void TAboutBox::FormClick()
{
    ui->Memo1->setVisible(ui->Memo1->isHidden());
}
void TAboutBox::Panel2Click()
{
    FormClick();
}
void TAboutBox::Panel1Click()
{
    mostrarPanells(false);
}
void TAboutBox::VersionClick()
{
    mostrarPanells(false);
}
void TAboutBox::ImagePersonatgeClick()
{
    mostrarPanells(true);
}

// The pages are ours: they open in the help window, over this one.
void TAboutBox::ProductNameClick()
{
    TFormAjuda::Obrir(this, adrecaAutors());
}
void TAboutBox::CreditsClick()
{
    TFormAjuda::Obrir(this, adrecaAutors());
}
void TAboutBox::CommentsClick()
{
    TFormAjuda::Obrir(this, adrecaVorelk());
}

// A click moves the cycle on at once but leaves the timer's period alone.
void TAboutBox::ImageVorelkClick()
{
    avancarCicle(ui->ImageVorelk);
}
void TAboutBox::ImageSegonaClick()
{
    avancarCicle(ui->ImageSegona);
}
void TAboutBox::ImageInteligenciaClick()
{
    avancarCicle(ui->ImageInteligencia);
}
void TAboutBox::ImageDedicatoriaClick()
{
    avancarCicle(ui->ImageDedicatoria);
}

void TAboutBox::OKButtonClick()
{
    accept();
}

void TAboutBox::MostrarSplash(int ms)
{
    const int altura = height();
    ui->OKButton->hide();
    setFixedHeight(altura - alturaFilaBoto);
    m_splash = true;
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    show();
    // Showing starts the cycle; the splash keeps its pictures still.
    Timer1->stop();
    Esperar(ms);
    hide();
    m_splash = false;
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus, false);
    setFixedHeight(altura);
    ui->OKButton->show();
}

QUrl TAboutBox::adrecaAutors() const
{
    return PaginesAjuda::Pagina(QStringLiteral("autors"), m_llengua);
}

QUrl TAboutBox::adrecaVorelk() const
{
    return PaginesAjuda::Pagina(QStringLiteral("vorelk"), m_llengua);
}

void TAboutBox::setLlengua(Llengua llengua)
{
    m_llengua = llengua;
    ui->ProductName->setToolTip(adrecaAutors().toString());
    ui->Credits->setToolTip(adrecaAutors().toString());
}
