#include "TFormAjuda.h"

#include "NavegadorWeb.h"
#include "PaginesAjuda.h"
#include "ui_TFormAjuda.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QFileInfo>
#include <QScreen>

namespace
{
// Reading type: the pages' base text is 22 pixels high, their headings
// larger still.
constexpr int lletraPagina = 22;
constexpr int lletraBotons = 16;
} // namespace

TFormAjuda::TFormAjuda(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFormAjuda>()), m_navegador(new NavegadorWeb(this))
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    setWindowModality(Qt::WindowModal);
    ui->LabelAvis->hide();
    // A long address wraps rather than widen the window.
    ui->LabelAvis->setWordWrap(true);
    posarFonts();
    connect(ui->TextBrowserAjuda, &QTextBrowser::anchorClicked, this,
            &TFormAjuda::TextBrowserAjudaAnchorClicked);
    connect(ui->TextBrowserAjuda, &QTextBrowser::backwardAvailable, ui->BitBtnEnrere,
            &QWidget::setEnabled);
    connect(ui->TextBrowserAjuda, &QTextBrowser::sourceChanged, this,
            &TFormAjuda::AplicarLlengua);
    connect(m_navegador, &NavegadorWeb::Fallat, this, &TFormAjuda::NavegadorFallat);
    connect(ui->BitBtnEnrere, &QPushButton::clicked, this, &TFormAjuda::BitBtnEnrereClick);
    connect(ui->BitBtnInici, &QPushButton::clicked, this, &TFormAjuda::BitBtnIniciClick);
    connect(ui->BitBtnTancar, &QPushButton::clicked, this, &TFormAjuda::BitBtnTancarClick);
    ui->BitBtnEnrere->setEnabled(false);
    AplicarLlengua();
}

TFormAjuda::~TFormAjuda() = default;

void TFormAjuda::posarFonts()
{
    QFont botons(QStringLiteral("Segoe UI Semibold"));
    botons.setPixelSize(lletraBotons);
    botons.setBold(true);
    for (QWidget *boto : {ui->BitBtnEnrere, ui->BitBtnInici, ui->BitBtnTancar})
        boto->setFont(botons);
    QFont pagina(QStringLiteral("MS Sans Serif"));
    pagina.setPixelSize(lletraPagina);
    ui->TextBrowserAjuda->setFont(pagina);
    ui->TextBrowserAjuda->document()->setDefaultFont(pagina);
    QFont avis = pagina;
    avis.setPixelSize(lletraBotons);
    avis.setBold(true);
    ui->LabelAvis->setFont(avis);
    QPalette paleta = ui->LabelAvis->palette();
    paleta.setColor(QPalette::WindowText, QColor(0xA0, 0x00, 0x00));
    ui->LabelAvis->setPalette(paleta);
}

TFormAjuda *TFormAjuda::Obrir(QWidget *finestra, const QUrl &pagina)
{
    auto *ajuda = finestra->findChild<TFormAjuda *>(QString(), Qt::FindDirectChildrenOnly);
    if (!ajuda)
        ajuda = new TFormAjuda(finestra);
    ajuda->MostrarPagina(pagina);
    if (!ajuda->isVisible()) {
        if (const QScreen *pantalla = finestra->screen())
            ajuda->resize(ajuda->size().boundedTo(pantalla->availableSize()));
        ajuda->open();
    }
    ajuda->raise();
    ajuda->activateWindow();
    ajuda->ui->TextBrowserAjuda->setFocus();
    return ajuda;
}

void TFormAjuda::MostrarPagina(const QUrl &pagina)
{
    ui->LabelAvis->hide();
    ui->TextBrowserAjuda->setSource(pagina);
    AplicarLlengua();
    // An installation without its pages shows no empty page without a word.
    if (pagina.isLocalFile() && !QFileInfo(pagina.toLocalFile()).isFile())
        Avisar(Textos::paginaNoTrobada(LlenguaPagina(), pagina.toLocalFile()));
}

QUrl TFormAjuda::Pagina() const
{
    return ui->TextBrowserAjuda->source();
}

Llengua TFormAjuda::LlenguaPagina() const
{
    return PaginesAjuda::LlenguaDe(Pagina());
}

// A link to a page of ours stays in this window; one to the web goes to the
// desktop's browser, and a line says so when none could be started.
void TFormAjuda::TextBrowserAjudaAnchorClicked(const QUrl &adreca)
{
    if (PaginesAjuda::EsNostra(adreca)) {
        MostrarPagina(Pagina().resolved(adreca));
        return;
    }
    ui->LabelAvis->hide();
    m_navegador->Obrir(adreca);
}

void TFormAjuda::NavegadorFallat(const QUrl &adreca)
{
    Avisar(Textos::senseNavegador(LlenguaPagina(), adreca.toString()));
}

void TFormAjuda::BitBtnEnrereClick()
{
    ui->LabelAvis->hide();
    ui->TextBrowserAjuda->backward();
}

void TFormAjuda::BitBtnIniciClick()
{
    MostrarPagina(PaginesAjuda::Pagina(QStringLiteral("index"), LlenguaPagina()));
}

void TFormAjuda::BitBtnTancarClick()
{
    reject();
}

// The captions and names follow the page: a link to the other language's
// copy turns the window to that language.
void TFormAjuda::AplicarLlengua()
{
    const Llengua llengua = LlenguaPagina();
    for (const TextControl &text : Textos::ajuda())
        if (auto *boto = findChild<QAbstractButton *>(QString::fromLatin1(text.control)))
            boto->setText(text.en(llengua));
    for (const TextAccessible &text : Textos::accessiblesAjuda()) {
        QWidget *control = findChild<QWidget *>(QString::fromLatin1(text.control));
        if (!control)
            continue;
        if (const QString nom = text.nom(llengua); !nom.isEmpty())
            control->setAccessibleName(nom);
        if (const QString descripcio = text.descripcio(llengua); !descripcio.isEmpty())
            control->setAccessibleDescription(descripcio);
    }
    const QString titol = ui->TextBrowserAjuda->documentTitle();
    setWindowTitle(Textos::titolAjuda(llengua, titol.isEmpty() ? QStringLiteral("Trimbol 2") : titol));
}

// One line at the foot of the window, which a screen reader reads out at
// once.
void TFormAjuda::Avisar(const QString &text)
{
    ui->LabelAvis->setText(text);
    ui->LabelAvis->show();
    QAccessibleEvent avis(ui->LabelAvis, QAccessible::Alert);
    QAccessible::updateAccessibility(&avis);
}
