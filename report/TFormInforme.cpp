#include "TFormInforme.h"

#include "ConsultaHistoria.h"
#include "Escanejable.h"
#include "ExportacioCsv.h"
#include "GraellaFets.h"
#include "GraficRitme.h"
#include "TextosHistoria.h"
#include "ui_TFormInforme.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {
// The captions of the operation kinds, as the options window shows them.
QString CaptionTipus(Llengua llengua, const QString &codi)
{
    const QString control = QStringLiteral("RadioButton") + codi;
    for (const TextControl &text : Textos::opcions())
        if (control == QLatin1String(text.control))
            return text.en(llengua);
    return codi;
}
} // namespace

TFormInforme::TFormInforme(const QString &cami, const QString &alumne, Llengua llengua,
                           QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::TFormInforme>()), m_cami(cami), m_llengua(llengua)
{
    ui->setupUi(this);
    QFont lletra = font();
    lletra.setPixelSize(15);
    setFont(lletra);
    setFixedSize(1000, 740);
    m_grafic = new GraficRitme(ui->WidgetGrafic);
    auto *capsa = new QVBoxLayout(ui->WidgetGrafic);
    capsa->setContentsMargins(0, 0, 0, 0);
    capsa->addWidget(m_grafic);
    GraellaFets::Preparar(ui->TableWidgetGraella);
    ui->TableWidgetTipus->setColumnCount(4);
    ui->TableWidgetTipus->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->TableWidgetTipus->verticalHeader()->hide();
    ui->TableWidgetTipus->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ui->TableWidgetTipus->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ui->TableWidgetTipus->setTabKeyNavigation(false);
    ui->TableWidgetTipus->setWordWrap(true);
    ui->TableWidgetTipus->setTextElideMode(Qt::ElideNone);
    for (const QString &tipus : Informe::TipusTaules())
        ui->ComboBoxTaula->addItem(CaptionTipus(llengua, tipus), tipus);
    ui->ComboBoxTaula->setCurrentIndex(2); // multiplication, the drill's first kind
    aplicarTextos();
    omplirAlumnes(alumne);
    situarDates();
    // While a scan runs the learner's switches work this window's buttons.
    FerEscanejable(this);

    connect(ui->ComboBoxAlumneInforme, &QComboBox::currentIndexChanged, this, [this] {
        situarDates();
        Actualitzar();
    });
    connect(ui->DateEditDes, &QDateEdit::dateChanged, this, &TFormInforme::Actualitzar);
    connect(ui->DateEditFins, &QDateEdit::dateChanged, this, &TFormInforme::Actualitzar);
    connect(ui->ComboBoxTaula, &QComboBox::currentIndexChanged, this,
            &TFormInforme::ComboBoxTaulaChange);
    connect(ui->ButtonExportar, &QPushButton::clicked, this, &TFormInforme::ButtonExportarClick);
    connect(ui->ButtonImprimir, &QPushButton::clicked, this, &TFormInforme::ButtonImprimirClick);
    connect(ui->ButtonPdf, &QPushButton::clicked, this, &TFormInforme::ButtonPdfClick);
    connect(ui->ButtonEsborrarAlumne, &QPushButton::clicked, this,
            &TFormInforme::ButtonEsborrarAlumneClick);
    connect(ui->ButtonTancar, &QPushButton::clicked, this, &QDialog::accept);
    Actualitzar();
}

TFormInforme::~TFormInforme() = default;

void TFormInforme::aplicarTextos()
{
    for (const TextControl &text : Textos::informe()) {
        const QString nom = QString::fromLatin1(text.control);
        if (auto *boto = findChild<QAbstractButton *>(nom))
            boto->setText(text.en(m_llengua));
        else if (auto *etiqueta = findChild<QLabel *>(nom))
            etiqueta->setText(text.en(m_llengua));
    }
    for (const TextAccessible &text : Textos::accessiblesInforme())
        if (auto *control = findChild<QWidget *>(QString::fromLatin1(text.control)))
            control->setAccessibleName(text.nom(m_llengua));
    ui->TableWidgetTipus->setHorizontalHeaderLabels(
        Textos::columnesTipus(m_llengua).split(QLatin1Char('|')));
    const QLocale locale(m_llengua == Llengua::Catala ? QLocale::Catalan : QLocale::Spanish);
    for (QDateEdit *data : {ui->DateEditDes, ui->DateEditFins}) {
        data->setLocale(locale);
        data->setDisplayFormat(locale.dateFormat(QLocale::ShortFormat));
    }
}

void TFormInforme::omplirAlumnes(const QString &triat)
{
    QStringList alumnes = ConsultaHistoria(m_cami).Alumnes();
    if (!triat.isEmpty() && !alumnes.contains(triat))
        alumnes.prepend(triat);
    const QSignalBlocker bloqueig(ui->ComboBoxAlumneInforme);
    ui->ComboBoxAlumneInforme->clear();
    ui->ComboBoxAlumneInforme->addItems(alumnes);
    ui->ComboBoxAlumneInforme->setCurrentIndex(std::max(0, int(alumnes.indexOf(triat))));
}

void TFormInforme::situarDates()
{
    // From the learner's first day to today.
    const QDateTime primera = ConsultaHistoria(m_cami).Primera(alumne());
    const QDate avui = QDate::currentDate();
    const QSignalBlocker bloqueigDes(ui->DateEditDes), bloqueigFins(ui->DateEditFins);
    ui->DateEditDes->setDate(primera.isValid() ? std::min(primera.date(), avui) : avui);
    ui->DateEditFins->setDate(avui);
}

QString TFormInforme::alumne() const { return ui->ComboBoxAlumneInforme->currentText(); }

QDateTime TFormInforme::des() const { return ui->DateEditDes->date().startOfDay(); }

QDateTime TFormInforme::fins() const { return ui->DateEditFins->date().endOfDay(); }

QString TFormInforme::nomTipus(const QString &codi) const { return CaptionTipus(m_llengua, codi); }

void TFormInforme::Actualitzar()
{
    setWindowTitle(Textos::titolInforme(m_llengua, alumne()));
    ConsultaHistoria consulta(m_cami);
    m_informe.emplace(consulta.Respostes(alumne(), des(), fins(), false),
                      consulta.Sessions(alumne(), des(), fins()));
    omplirTipus();
    omplirMillors();
    ComboBoxTaulaChange();
    m_grafic->Mostrar(m_informe->Ritme(), m_llengua);
    ui->ButtonEsborrarAlumne->setEnabled(!alumne().isEmpty());
}

void TFormInforme::omplirTipus()
{
    QTableWidget *taula = ui->TableWidgetTipus;
    const auto &perTipus = m_informe->PerTipus();
    taula->setRowCount(int(perTipus.size()));
    const QLocale locale;
    int fila = 0;
    for (const auto &[codi, tipus] : perTipus) {
        const QStringList valors{nomTipus(codi), QString::number(tipus.respostes),
                                 locale.toString(std::lround(tipus.percentCorrectes())) +
                                     QStringLiteral(" %"),
                                 Textos::segons(m_llengua, GraellaFets::Segons(tipus.medianaMs))};
        for (int columna = 0; columna < valors.size(); ++columna) {
            auto *cela = new QTableWidgetItem(valors[columna]);
            if (columna > 0)
                cela->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            taula->setItem(fila, columna, cela);
        }
        ++fila;
    }
    // A long kind's caption wraps rather than being cut.
    taula->resizeRowsToContents();
}

void TFormInforme::omplirMillors()
{
    const auto millor60 = m_informe->Millor60();
    const auto millor32 = m_informe->Millor32();
    ui->LabelMillor60->setText(millor60 ? Textos::millor60(m_llengua, *millor60)
                                        : Textos::millor60(m_llengua, 0).section(QLatin1Char(':'), 0, 0) +
                                              QStringLiteral(": ") + Textos::senseDada(m_llengua));
    const QString segons32 =
        millor32 ? QLocale().toString(double(*millor32) / 1000.0, 'f', 1) : QString();
    ui->LabelMillor32->setText(millor32 ? Textos::millor32(m_llengua, segons32)
                                        : Textos::millor32(m_llengua, QString()).section(QLatin1Char(':'), 0, 0) +
                                              QStringLiteral(": ") + Textos::senseDada(m_llengua));
}

void TFormInforme::ComboBoxTaulaChange()
{
    if (!m_informe)
        return;
    const QString tipus = ui->ComboBoxTaula->currentData().toString();
    GraellaFets::Omplir(ui->TableWidgetGraella, m_informe->GraellaDe(tipus), tipus, m_llengua);
    ui->ListWidgetMesFallats->clear();
    for (const Informe::Fet &fet : m_informe->MesFallats(tipus))
        ui->ListWidgetMesFallats->addItem(
            Textos::fallat(m_llengua, fet.pregunta, fet.fallades, fet.respostes));
    ui->LabelGraella->setText(QString::fromUtf8(Textos::informe().back().en(m_llengua).toUtf8()));
}

QString TFormInforme::demanarFitxer(const QString &filtre, const QString &extensio)
{
    QFileDialog dialeg(this, QString(), QDir::homePath(), filtre);
    dialeg.setObjectName(QStringLiteral("DialegFitxerInforme"));
    dialeg.setAcceptMode(QFileDialog::AcceptSave);
    dialeg.setOption(QFileDialog::DontUseNativeDialog);
    dialeg.setDefaultSuffix(extensio);
    dialeg.selectFile(alumne() + QLatin1Char('.') + extensio);
    if (dialeg.exec() != QDialog::Accepted || dialeg.selectedFiles().isEmpty())
        return {};
    return dialeg.selectedFiles().constFirst();
}

void TFormInforme::ButtonExportarClick()
{
    const QString cami = demanarFitxer(Textos::filtreCsv(m_llengua), QStringLiteral("csv"));
    if (cami.isEmpty())
        return;
    if (!ExportacioCsv::Escriure(cami, ConsultaHistoria(m_cami).Respostes(alumne(), des(), fins())))
        QMessageBox::warning(this, windowTitle(), Textos::errorFitxer(m_llengua, cami));
}

void TFormInforme::dibuixar(QPrinter &impressora)
{
    // The report as it stands on screen, fitted to the page.
    QPainter pintor(&impressora);
    const QRectF pagina = impressora.pageLayout().paintRectPixels(impressora.resolution());
    QWidget *contingut = ui->WidgetContingut;
    const double escala = std::min(pagina.width() / contingut->width(),
                                   pagina.height() / contingut->height());
    pintor.scale(escala, escala);
    contingut->render(&pintor);
}

void TFormInforme::ButtonImprimirClick()
{
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialeg(&impressora, this);
    if (dialeg.exec() == QDialog::Accepted)
        dibuixar(impressora);
}

void TFormInforme::ButtonPdfClick()
{
    const QString cami = demanarFitxer(Textos::filtrePdf(m_llengua), QStringLiteral("pdf"));
    if (cami.isEmpty())
        return;
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(cami);
    impressora.setPageOrientation(QPageLayout::Landscape);
    dibuixar(impressora);
}

void TFormInforme::ButtonEsborrarAlumneClick()
{
    const QString nom = alumne();
    QMessageBox pregunta(QMessageBox::Question, windowTitle(), Textos::confirmarEsborrar(m_llengua, nom),
                         QMessageBox::Yes | QMessageBox::No, this);
    pregunta.setObjectName(QStringLiteral("ConfirmarEsborrar"));
    pregunta.setDefaultButton(QMessageBox::No);
    if (pregunta.exec() != QMessageBox::Yes)
        return;
    ConsultaHistoria consulta(m_cami);
    if (!consulta.Esborrar(nom)) {
        QMessageBox::warning(this, windowTitle(), Textos::errorFitxer(m_llengua, m_cami));
        return;
    }
    omplirAlumnes(QString());
    situarDates();
    Actualitzar();
}
