#include "Textos.h"

#include <array>

namespace {

constexpr std::array<TextControl, 3> textosAjuda{{
    {"BitBtnEnrere", "&Enrere", "&Atrás"},
    {"BitBtnInici", "&Inici", "&Inicio"},
    {"BitBtnTancar", "&Tancar", "&Cerrar"},
}};

// The warning line is named by what it says, like every label.
constexpr std::array<TextAccessible, 4> accessiblesDAjuda{{
    {"TextBrowserAjuda", "Pàgina d'ajuda", "Página de ayuda",
     "Tab passa d'un enllaç a l'altre i Retorn l'obre",
     "Tab pasa de un enlace a otro e Intro lo abre"},
    {"BitBtnEnrere", "", "", "Torna a la pàgina d'abans (Alt+Fletxa esquerra)",
     "Vuelve a la página anterior (Alt+Flecha izquierda)"},
    {"BitBtnInici", "", "", "Obre la primera pàgina de l'ajuda",
     "Abre la primera página de la ayuda"},
    {"BitBtnTancar", "", "", "Tanca l'ajuda (Escapada)", "Cierra la ayuda (Escape)"},
}};

QString tria(Llengua llengua, const char *catala, const char *castella)
{
    return QString::fromUtf8(llengua == Llengua::Catala ? catala : castella);
}

} // namespace

namespace Textos {

std::span<const TextControl> ajuda() { return textosAjuda; }
std::span<const TextAccessible> accessiblesAjuda() { return accessiblesDAjuda; }

QString titolAjuda(Llengua llengua, const QString &titolPagina)
{
    return tria(llengua, "%1 - Ajuda de Trimbol 2", "%1 - Ayuda de Trimbol 2").arg(titolPagina);
}

QString senseNavegador(Llengua llengua, const QString &adreca)
{
    return tria(llengua, "No hi ha cap navegador per obrir %1.",
                "No hay ningún navegador para abrir %1.")
        .arg(adreca);
}

QString paginaNoTrobada(Llengua llengua, const QString &cami)
{
    return tria(llengua, "No s'ha trobat la pàgina d'ajuda %1.",
                "No se ha encontrado la página de ayuda %1.")
        .arg(cami);
}

} // namespace Textos
