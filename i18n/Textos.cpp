#include "Textos.h"

#include <array>

namespace {

constexpr std::array<TextControl, 12> textosPrincipal{{
    {"MenuSortir", "Sortir", "Salir"},
    {"MenuOpcions", "Opcions", "Opciones"},
    {"MenuLlengua", "Llengua", "Lenguaje"},
    {"MenuVeureElsBotonsNumerics", "Veure els botons numèrics", "Ver los botones numéricos"},
    {"MenuIniciarDeNou", "Iniciar de nou", "Iniciar de nuevo"},
    {"MenuFerElMaximDOperacions", "Fer el màxim d'operacions en 60''",
     "Realizar el número máximo de operaciones en 60''"},
    {"MenuContraRellotge", "Contra rellotge 32", "Contra reloj 32"},
    {"MenuCopiarALaCarpeta", "Copiar a la carpeta el que s'ha fet",
     "Copiar en el portapapeles lo que se ha hecho"},
    {"MenuParlantDe", "Parlant de...", "Acerca de..."},
    {"ButtonEsborrar", "Esborrar", "Borrar"},
    {"BitBtnDAcord", "D'acord", "Aceptar"},
    {"ButtonNou", "Nova pregunta", "Nueva pregunta"},
}};

constexpr std::array<TextControl, 23> textosOpcions{{
    {"CheckBoxLlegirResultat", "Llegir resultat", "Leer el resultado"},
    {"RadioButtonTS1X", "Taules de sumar. 1 xifra", "Tablas de sumar. 1 cifra"},
    {"RadioButtonTR1X", "Taules de restar. 1 xifra", "Tablas de restar. 1 cifra"},
    {"RadioButtonTM1X", "Taules de multiplicar. 1 xifra", "Tablas de multiplicar. 1 cifra"},
    {"RadioButtonTD1X", "Taules de dividir. 1 xifra", "Tablas de dividir. 1 cifra"},
    {"RadioButtonSE1X", "Sumar o restar dos enters. 1 xifra", "Sumar o restar dos enteros. 1 cifra"},
    {"RadioButtonME1X", "Multiplicar dos enters. 1 xifra", "Multiplicar dos enteros. 1 cifra"},
    {"RadioButtonS3E1X", "Sumar o restar tres enters. 1 xifra",
     "Sumar o restar tres enteros. 1 cifra"},
    {"RadioButtonM3E1X", "Multiplicar tres enters. 1 xifra", "Multiplicar tres enteros. 1 cifra"},
    {"RadioButtonSE2X", "Sumar o restar enters. 2 xifres", "Sumar o restar enteros. 2 cifras"},
    {"RadioButtonME2X", "Multiplicar enters. 2 xifres", "Multiplicar enteros. 2 cifras"},
    {"CheckBoxSecundaria", "Secundària", "Secundaria"},
    {"LabelTaulesFinsLesDel", "Taules fins les del", "Tablas hasta las del"},
    {"LabelJoc1", "Joc 1:", "Juego 1:"},
    {"LabelJoc2", "Joc 2:", "Juego 2:"},
    {"BitBtnOperacions60", "Operacions 60''", "Operaciones 60''"},
    {"BitBtnContrarrellotge", "Contrarrellotge 32", "Contrarrelloj 32"},
    {"BitBtnDAcord", "Normal", "Normal"},
    {"LabelInstalar", "Com instal·lar sintetitzadors de veu?", "¿Cómo instalar sintetizadores de voz?"},
    {"ButtonCopiarALaCarpeta", "Copiar a la carpeta el que s'ha fet",
     "Copiar en el portapapeles lo que se ha hecho"},
    {"LabelTempsEscaneig", "Interval escaneig", "Intervalo de barrido"},
    {"CheckBoxEscaneig", "Activar escaneig automàtic", "Activar barrido automático"},
    {"CheckBoxEscaneigDirigit", "Activar escaneig dirigit", "Activar barrido dirigido"},
}};

QString tria(Llengua llengua, const char *catala, const char *castella)
{
    return QString::fromUtf8(llengua == Llengua::Catala ? catala : castella);
}

} // namespace

namespace Textos {

std::span<const TextControl> principal() { return textosPrincipal; }
std::span<const TextControl> opcions() { return textosOpcions; }

QString titolPrincipal(Llengua llengua)
{
    return tria(llengua, "Matemàtiques - Trimbol 2 - sumar i multiplicar - naturals i enters",
                "Matemáticas - Trimbol 2 - sumar y multiplicar - naturales y enteros");
}

QString titolOpcions(Llengua llengua)
{
    return tria(llengua, "Trimbol 2 - Opcions - Accessibilitat - TTS",
                "Trimbol 2 - Opciones - Accesibilidad - TTS");
}

QString checkBoxNoVeure(Llengua llengua) { return tria(llengua, "No veure", "No ver"); }

TextsComuns comuns(Llengua llengua)
{
    return {tria(llengua, "Preguntes", "Preguntas"),     tria(llengua, "Correctes", "Correctas"),
            tria(llengua, "bé", "bién"),                 tria(llengua, "No és correcte", "No es correcta"),
            tria(llengua, "Preparats?", "Preparados?"), tria(llengua, " segons", " segundos")};
}

} // namespace Textos

// ---------------------------------------------------------------------------
// Keyboard and switch access

namespace {
constexpr std::array<TextControl, 1> textosCommutadors{{
    {"CheckBoxLlegirTecles", "Llegir les tecles", "Leer las teclas"},
}};
} // namespace

namespace Textos {

std::span<const TextControl> opcionsCommutadors() { return textosCommutadors; }

QString consellOpcions(Llengua llengua) { return tria(llengua, "Opcions (F10)", "Opciones (F10)"); }

} // namespace Textos
