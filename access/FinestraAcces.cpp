#include "FinestraAcces.h"

#include "Escanejable.h"
#include "FitxerConfiguracio.h"
#include "TextosAcces.h"
#include "ui_FinestraAcces.h"

#include <QAbstractButton>
#include <QAction>

FinestraAcces::FinestraAcces(ConfiguracioAcces &configuracio, Informar informar, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::FinestraAcces>()), m_configuracio(configuracio),
      m_informar(std::move(informar))
{
    ui->setupUi(this);
    setFixedSize(size());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    FerEscanejable(this);
    m_files = {
        {ConfiguracioAcces::Acceptacio, ui->LabelAcceptacio, ui->LabelValorAcceptacio,
         ui->ButtonMenysAcceptacio, ui->ButtonMesAcceptacio},
        {ConfiguracioAcces::Repeticions, ui->LabelRepeticions, ui->LabelValorRepeticions,
         ui->ButtonMenysRepeticions, ui->ButtonMesRepeticions},
        {ConfiguracioAcces::PrimeraTecla, ui->LabelPrimeraTecla, ui->LabelValorPrimeraTecla,
         ui->ButtonMenysPrimeraTecla, ui->ButtonMesPrimeraTecla},
        {ConfiguracioAcces::Voltes, ui->LabelVoltes, ui->LabelValorVoltes, ui->ButtonMenysVoltes,
         ui->ButtonMesVoltes},
        {ConfiguracioAcces::Permanencia, ui->LabelPermanencia, ui->LabelValorPermanencia,
         ui->ButtonMenysPermanencia, ui->ButtonMesPermanencia},
    };
    for (const Fila &fila : m_files)
        connectarFila(fila);
    connectarMarc();
    connect(ui->ButtonTancar, &QPushButton::clicked, this, &QDialog::accept);
    connect(&m_configuracio, &ConfiguracioAcces::Canviat, this, &FinestraAcces::mostrarValors);
    AplicarLlengua(Llengua::Catala);
}

FinestraAcces::~FinestraAcces() = default;

template <typename F> void FinestraAcces::ambEscriptura(F &&f)
{
    try {
        f();
    } catch (const ErrorEscriptura &error) {
        if (m_informar)
            m_informar(this, QString::fromStdString(error.what()));
    }
}

void FinestraAcces::connectarFila(const Fila &fila)
{
    const ConfiguracioAcces::Ajust ajust = fila.ajust;
    connect(fila.menys, &QPushButton::clicked, this,
            [this, ajust] { ambEscriptura([&] { m_configuracio.pas(ajust, -1); }); });
    connect(fila.mes, &QPushButton::clicked, this,
            [this, ajust] { ambEscriptura([&] { m_configuracio.pas(ajust, +1); }); });
}

void FinestraAcces::connectarMarc()
{
    const std::pair<ConfiguracioAcces::Ajust, QList<QAbstractButton *>> grups[] = {
        {ConfiguracioAcces::ColorMarc,
         {ui->RadioButtonColorGroc, ui->RadioButtonColorVermell, ui->RadioButtonColorBlau}},
        {ConfiguracioAcces::GruixMarc,
         {ui->RadioButtonGruixFi, ui->RadioButtonGruixMitja, ui->RadioButtonGruixGruixut}},
    };
    for (const auto &[ajust, botons] : grups)
        for (int i = 0; i < botons.size(); ++i)
            connect(botons[i], &QAbstractButton::toggled, this, [this, ajust, i](bool marcat) {
                if (marcat)
                    ambEscriptura([&] { m_configuracio.canviar(ajust, i); });
            });
    connect(ui->CheckBoxAcabarTecla, &QAbstractButton::toggled, this, [this](bool marcat) {
        ambEscriptura([&] { m_configuracio.canviar(ConfiguracioAcces::AcabarTecla, marcat); });
    });
}

QString FinestraAcces::textValor(ConfiguracioAcces::Ajust ajust) const
{
    const int valor = m_configuracio.valor(ajust);
    if (ajust == ConfiguracioAcces::Voltes)
        return valor == 0 ? Textos::senseLimit(m_llengua) : QString::number(valor);
    if (ajust == ConfiguracioAcces::Permanencia && valor == 0)
        return Textos::desactivada(m_llengua);
    return Textos::segons(m_llengua, valor);
}

void FinestraAcces::mostrarValors()
{
    for (const Fila &fila : m_files) {
        fila.valor->setText(textValor(fila.ajust));
        // Read as one: what the setting is and what it holds now.
        fila.valor->setAccessibleName(fila.nom->text() + QStringLiteral(": ") + fila.valor->text());
        const int valor = m_configuracio.valor(fila.ajust);
        const auto &d = ConfiguracioAcces::descripcio(fila.ajust);
        fila.menys->setEnabled(valor > d.minim);
        fila.mes->setEnabled(valor < d.maxim);
    }
    const QList<QAbstractButton *> colors{ui->RadioButtonColorGroc, ui->RadioButtonColorVermell,
                                          ui->RadioButtonColorBlau};
    const QList<QAbstractButton *> gruixos{ui->RadioButtonGruixFi, ui->RadioButtonGruixMitja,
                                           ui->RadioButtonGruixGruixut};
    colors[m_configuracio.valor(ConfiguracioAcces::ColorMarc)]->setChecked(true);
    gruixos[m_configuracio.valor(ConfiguracioAcces::GruixMarc)]->setChecked(true);
    ui->CheckBoxAcabarTecla->setChecked(m_configuracio.acabarTecla());
}

void FinestraAcces::AplicarLlengua(Llengua llengua)
{
    m_llengua = llengua;
    setWindowTitle(Textos::titolAcces(llengua));
    for (const TextControl &text : Textos::acces())
        if (auto *boto = findChild<QAbstractButton *>(QString::fromLatin1(text.control)))
            boto->setText(text.en(llengua));
        else if (auto *etiqueta = findChild<QLabel *>(QString::fromLatin1(text.control)))
            etiqueta->setText(text.en(llengua));
    for (const TextAccessible &text : Textos::accessiblesAcces()) {
        auto *control = findChild<QWidget *>(QString::fromLatin1(text.control));
        if (!control)
            continue;
        if (!text.nom(llengua).isEmpty())
            control->setAccessibleName(text.nom(llengua));
        if (!text.descripcio(llengua).isEmpty())
            control->setAccessibleDescription(text.descripcio(llengua));
    }
    mostrarValors();
}
