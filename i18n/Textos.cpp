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
// Accessible names and descriptions

namespace {

constexpr std::array<TextAccessible, 11> accessiblesDePrincipal{{
    {"SpeedButtonMenu", "Opcions", "Opciones", "Obre la finestra d'opcions (F10)",
     "Abre la ventana de opciones (F10)"},
    // The description of the answer box is the question, set with it.
    {"EditResultat", "Resposta", "Respuesta", "", ""},
    {"ButtonMenys", "Menys", "Menos", "Canvia el signe de la resposta",
     "Cambia el signo de la respuesta"},
    {"ButtonEsborrar", "", "", "Esborra la resposta", "Borra la respuesta"},
    {"ButtonNou", "", "", "Mostra la solució i passa a una altra pregunta",
     "Muestra la solución y pasa a otra pregunta"},
    {"BitBtnDAcord", "", "", "Comprova la resposta", "Comprueba la respuesta"},
    {"CheckBoxNoVeure", "", "", "Amaga la pregunta escrita", "Oculta la pregunta escrita"},
    {"MemoCarpeta", "Registre de la feina", "Registro del trabajo", "", ""},
    // The clock of the games: its number is its value.
    {"LabelCompteEnrera", "Temps", "Tiempo", "F9 diu els comptadors i el temps del joc",
     "F9 dice los contadores y el tiempo del juego"},
    {"LabelPreguntes", "", "", "F9 diu els comptadors i el temps del joc",
     "F9 dice los contadores y el tiempo del juego"},
    {"LabelCorrectes", "", "", "F9 diu els comptadors i el temps del joc",
     "F9 dice los contadores y el tiempo del juego"},
}};

constexpr std::array<TextAccessible, 28> accessiblesDOpcions{{
    // The two groups of controls.
    {"PanelOperacions", "Tipus d'operació", "Tipo de operación", "", ""},
    {"Panel1", "Veu i escaneig", "Voz y barrido", "", ""},
    {"SpinEditTaulesFinsLesDe", "Taules fins les del", "Tablas hasta las del",
     "La taula més alta de les preguntes, de l'1 al 10",
     "La tabla más alta de las preguntas, del 1 al 10"},
    {"UpDownEditTaulesFinsLesDe", "Taules fins les del", "Tablas hasta las del", "", ""},
    {"UpDownEditTaulesFinsLesDe/Anterior", "Menys taules", "Menos tablas",
     "Baixa d'una la taula més alta", "Baja en una la tabla más alta"},
    {"UpDownEditTaulesFinsLesDe/Seguent", "Més taules", "Más tablas",
     "Puja d'una la taula més alta", "Sube en una la tabla más alta"},
    {"SpinEditIntervalEscaneig", "Interval escaneig", "Intervalo de barrido",
     "Dècimes de segon que el marc s'està a cada tecla, de 1 a 50",
     "Décimas de segundo que el marco se queda en cada tecla, de 1 a 50"},
    {"UpDownEditIntervalEscaneig", "Interval escaneig", "Intervalo de barrido", "", ""},
    {"UpDownEditIntervalEscaneig/Anterior", "Interval més curt", "Intervalo más corto",
     "Escurça d'una dècima de segon l'interval d'escaneig",
     "Acorta en una décima de segundo el intervalo de barrido"},
    {"UpDownEditIntervalEscaneig/Seguent", "Interval més llarg", "Intervalo más largo",
     "Allarga d'una dècima de segon l'interval d'escaneig",
     "Alarga en una décima de segundo el intervalo de barrido"},
    {"ListBoxMotorsDeVeu", "Veu", "Voz", "La veu que llegeix les preguntes i els resultats",
     "La voz que lee las preguntas y los resultados"},
    {"BitBtnHelp", "Ajuda", "Ayuda", "Obre l'ajuda del programa",
     "Abre la ayuda del programa"},
    {"LabelInstalar", "", "", "Obre la pàgina de l'ajuda que explica com instal·lar veus",
     "Abre la página de la ayuda que explica cómo instalar voces"},
    {"CheckBoxLlegirResultat", "", "", "Llegeix en veu alta les preguntes i els resultats",
     "Lee en voz alta las preguntas y los resultados"},
    {"CheckBoxSecundaria", "", "", "Mostra també les operacions amb enters",
     "Muestra también las operaciones con enteros"},
    {"CheckBoxEscaneig", "", "", "Per a un polsador: el marc passa sol d'una tecla a l'altra",
     "Para un pulsador: el marco pasa solo de una tecla a otra"},
    {"CheckBoxEscaneigDirigit", "", "", "Per a dos polsadors: un mou el marc, l'altre tria",
     "Para dos pulsadores: uno mueve el marco, el otro elige"},
    {"BitBtnDAcord", "", "", "Tanca les opcions i continua amb les preguntes",
     "Cierra las opciones y sigue con las preguntas"},
    {"BitBtnOperacions60", "", "", "Joc 1: tantes operacions com pugueu en 60 segons",
     "Juego 1: tantas operaciones como podáis en 60 segundos"},
    {"BitBtnContrarrellotge", "", "", "Joc 2: 32 respostes correctes tan de pressa com pugueu",
     "Juego 2: 32 respuestas correctas tan deprisa como podáis"},
    {"ButtonCopiarALaCarpeta", "", "",
     "Copia el registre de la feina per enganxar-lo en un altre programa",
     "Copia el registro del trabajo para pegarlo en otro programa"},
    // These two keep their Catalan captions in Spanish: a user who calls a
    // control by what it shows finds it by that name; the Spanish words go
    // in the description.
    {"ButtonParlantDe", "Parlant de...", "Parlant de...", "Qui ha fet el programa",
     "Acerca de...: quién ha hecho el programa"},
    {"BitBtnSortir", "Sortir", "Sortir", "Tanca el programa", "Salir: cierra el programa"},
    {"EditText", "Text de prova", "Texto de prueba", "", ""},
    {"ButtonParlar", "Parla", "Parla", "Diu el text de prova amb la veu triada",
     "Habla: dice el texto de prueba con la voz elegida"},
    {"ButtonCalla", "Calla", "Calla", "Atura la veu", "Detiene la voz"},
    {"ButtonWav", "Crear wav", "Crear wav", "Desa el text de prova dit en un fitxer de so",
     "Guarda el texto de prueba dicho en un archivo de sonido"},
    {"ButtonAcces", "", "", "Temps dels polsadors, escaneig, permanència i marc",
     "Tiempos de los pulsadores, barrido, permanencia y marco"},
}};

constexpr std::array<TextAccessible, 17> accessiblesDAbout{{
    {"Panel1", "Títol", "Título", "Amaga els panells i mostra el personatge",
     "Oculta los paneles y muestra el personaje"},
    {"Panel2", "Dibuixos", "Dibujos", "Mostra o amaga les cites", "Muestra u oculta las citas"},
    {"Bevel2", "Marc de la icona", "Marco del icono", "", ""},
    {"ImageOrella", "Dibuix d'una orella", "Dibujo de una oreja", "", ""},
    {"ImageOrdinador", "Dibuix d'un ordinador", "Dibujo de un ordenador", "", ""},
    {"ProductName", "", "", "Obre la pàgina dels autors", "Abre la página de los autores"},
    {"Credits", "", "", "Obre la pàgina dels autors", "Abre la página de los autores"},
    {"Comments", "", "", "Obre la pàgina del Projecte Vorelk",
     "Abre la página del Proyecto Vorelk"},
    {"Version", "", "", "Amaga els panells i mostra el personatge",
     "Oculta los paneles y muestra el personaje"},
    // The pictures are named by the words drawn in them.
    {"ImageVorelk", "Projecte Vorelk: veu, lectura, accés", "Proyecto Vorelk: voz, lectura, acceso",
     "Passa al dibuix següent", "Pasa al dibujo siguiente"},
    {"ImageSegona", "Taller Trimbol: programari per aprendre jugant",
     "Taller Trimbol: programas para aprender jugando", "Passa al dibuix següent",
     "Pasa al dibujo siguiente"},
    {"ImageInteligencia", "Cada nen compta, i cada nen pot comptar: només cal donar-li temps.",
     "Cada niño cuenta, y cada niño puede contar: solo hay que darle tiempo.",
     "Passa al dibuix següent", "Pasa al dibujo siguiente"},
    {"ImageDedicatoria",
     "Per a tots els nens i nenes que aprenen al seu ritme, i per a qui els acompanya",
     "Para todos los niños y niñas que aprenden a su ritmo, y para quien los acompaña",
     "Passa al dibuix següent", "Pasa al dibujo siguiente"},
    {"ImagePersonatge", "Personatge: Hola! Comptem junts?", "Personaje: ¡Hola! ¿Contamos juntos?",
     "Torna a mostrar els panells", "Vuelve a mostrar los paneles"},
    {"Memo1", "Cites", "Citas", "", ""},
    // The window's texts are the same in both languages, and so are the
    // names; the Spanish words go in the descriptions.
    {"OKButton", "D'acord", "D'acord", "Tanca aquesta finestra", "Aceptar: cierra esta ventana"},
    {"TAboutBox", "Parlant de...", "Parlant de...", "Qui ha fet el programa",
     "Acerca de...: quién ha hecho el programa"},
}};

} // namespace

namespace Textos {

std::span<const TextAccessible> accessiblesPrincipal() { return accessiblesDePrincipal; }
std::span<const TextAccessible> accessiblesOpcions() { return accessiblesDOpcions; }
std::span<const TextAccessible> accessiblesAbout() { return accessiblesDAbout; }

} // namespace Textos

// ---------------------------------------------------------------------------
// Keyboard and switch access

namespace {
constexpr std::array<TextControl, 2> textosCommutadors{{
    {"CheckBoxLlegirTecles", "Llegir les tecles", "Leer las teclas"},
    {"ButtonAcces", "Accés...", "Acceso..."},
}};
} // namespace

namespace Textos {

std::span<const TextControl> opcionsCommutadors() { return textosCommutadors; }

QString consellOpcions(Llengua llengua) { return tria(llengua, "Opcions (F10)", "Opciones (F10)"); }

QString consellComptadors(Llengua llengua)
{
    return tria(llengua, "F9 diu els comptadors i el temps del joc",
                "F9 dice los contadores y el tiempo del juego");
}

} // namespace Textos
