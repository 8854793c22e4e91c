#include "ConfiguracioAcces.h"

#include "FitxerConfiguracio.h"

namespace {
const QString Seccio = QStringLiteral("Accessibilitat");

constexpr std::array<ConfiguracioAcces::Descripcio, ConfiguracioAcces::NombreAjusts> descripcions{{
    {"TempsAcceptacio", 0, 20, 0},
    {"IgnorarRepeticions", 0, 20, 0},
    {"TempsPrimeraTecla", 0, 20, 0},
    {"VoltesEscaneig", 0, 10, 0},
    {"AcabarDeDirLaTecla", 0, 1, 0},
    {"ColorMarc", 0, 2, 0},
    {"GruixMarc", 0, 2, 0},
    {"TempsPermanencia", 0, 30, 0},
}};

// Dwell shorter than half a second would press keys the pointer only crosses.
constexpr int PermanenciaMinima = 5;

bool esSiNo(ConfiguracioAcces::Ajust ajust) { return ajust == ConfiguracioAcces::AcabarTecla; }
} // namespace

const ConfiguracioAcces::Descripcio &ConfiguracioAcces::descripcio(Ajust ajust)
{
    return descripcions[ajust];
}

bool ConfiguracioAcces::valid(Ajust ajust, int valor)
{
    const Descripcio &d = descripcio(ajust);
    if (valor < d.minim || valor > d.maxim)
        return false;
    return ajust != Permanencia || valor == 0 || valor >= PermanenciaMinima;
}

ConfiguracioAcces::ConfiguracioAcces(QObject *parent) : QObject(parent)
{
    for (int a = 0; a < NombreAjusts; ++a)
        m_valors[a] = descripcions[a].perDefecte;
}

ConfiguracioAcces::ConfiguracioAcces(FitxerConfiguracio &fitxer, QObject *parent)
    : QObject(parent), m_fitxer(&fitxer)
{
    for (int a = 0; a < NombreAjusts; ++a)
        m_valors[a] = llegir(fitxer, Ajust(a));
}

int ConfiguracioAcces::llegir(const FitxerConfiguracio &fitxer, Ajust ajust)
{
    const Descripcio &d = descripcio(ajust);
    const QString text = fitxer.ReadString(Seccio, QString::fromLatin1(d.clau), QString());
    if (esSiNo(ajust))
        return text == QLatin1String("SI") ? 1 : text == QLatin1String("NO") ? 0 : d.perDefecte;
    bool esEnter = false;
    const int valor = text.toInt(&esEnter, 10);
    return esEnter && valid(ajust, valor) ? valor : d.perDefecte;
}

void ConfiguracioAcces::canviar(Ajust ajust, int valor)
{
    if (!valid(ajust, valor) || valor == m_valors[ajust])
        return;
    m_valors[ajust] = valor;
    emit Canviat(ajust);
    if (!m_fitxer)
        return;
    const QString text = esSiNo(ajust) ? QString::fromLatin1(valor ? "SI" : "NO")
                                       : QString::number(valor);
    m_fitxer->WriteString(Seccio, QString::fromLatin1(descripcio(ajust).clau), text);
}

void ConfiguracioAcces::pas(Ajust ajust, int sentit)
{
    int nou = m_valors[ajust] + (sentit > 0 ? 1 : -1);
    if (ajust == Permanencia && nou > 0 && nou < PermanenciaMinima)
        nou = sentit > 0 ? PermanenciaMinima : 0;
    canviar(ajust, nou);
}
