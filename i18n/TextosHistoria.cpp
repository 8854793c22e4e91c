#include "TextosHistoria.h"

#include <array>

namespace {

QString tria(Llengua llengua, const char *catala, const char *castella)
{
    return QString::fromUtf8(llengua == Llengua::Catala ? catala : castella);
}

constexpr std::array<TextControl, 2> taulaOpcions{{
    {"LabelAlumne", "Alumne:", "Alumno:"},
    {"ButtonInforme", "Informe...", "Informe..."},
}};

constexpr std::array<TextAccessible, 3> taulaAccessiblesOpcions{{
    {"ComboBoxAlumne/EditAlumne", "Alumne", "Alumno", "", ""},
    {"ComboBoxAlumne", "Alumne", "Alumno", "Nom de l'alumne que fa l'exercici; es poden triar els ja coneguts",
     "Nombre del alumno que hace el ejercicio; se pueden elegir los ya conocidos"},
    {"ButtonInforme", "", "", "Mostra l'historial de respostes de l'alumne",
     "Muestra el historial de respuestas del alumno"},
}};

constexpr std::array<TextControl, 13> taulaInforme{{
    {"LabelAlumneInforme", "Alumne:", "Alumno:"},
    {"LabelDes", "Des del:", "Desde el:"},
    {"LabelFins", "Fins al:", "Hasta el:"},
    {"LabelPerTipus", "Per tipus d'operació", "Por tipo de operación"},
    {"LabelTaula", "Fets de la taula:", "Hechos de la tabla:"},
    {"LabelMesFallats", "Els cinc fets més fallats", "Los cinco hechos más fallados"},
    {"LabelGrafic", "Correctes per minut, sessió a sessió", "Correctas por minuto, sesión a sesión"},
    {"ButtonExportar", "Exportar CSV...", "Exportar CSV..."},
    {"ButtonImprimir", "Imprimir...", "Imprimir..."},
    {"ButtonPdf", "Desar en PDF...", "Guardar en PDF..."},
    {"ButtonEsborrarAlumne", "Esborrar l'alumne...", "Borrar el alumno..."},
    {"ButtonTancar", "Tancar", "Cerrar"},
    {"LabelGraella", "Cada casella: color segons els errors, mediana del temps en segons",
     "Cada casilla: color según los errores, mediana del tiempo en segundos"},
}};

constexpr std::array<TextAccessible, 6> taulaAccessiblesInforme{{
    {"ComboBoxAlumneInforme", "Alumne", "Alumno", "", ""},
    {"DateEditDes", "Des del", "Desde el", "", ""},
    {"DateEditFins", "Fins al", "Hasta el", "", ""},
    {"TableWidgetTipus", "Per tipus d'operació", "Por tipo de operación", "", ""},
    {"ComboBoxTaula", "Fets de la taula", "Hechos de la tabla", "", ""},
    {"ListWidgetMesFallats", "Els cinc fets més fallats", "Los cinco hechos más fallados", "", ""},
}};

} // namespace

namespace Textos {

std::span<const TextControl> opcionsHistoria() { return taulaOpcions; }
std::span<const TextAccessible> accessiblesOpcionsHistoria() { return taulaAccessiblesOpcions; }
std::span<const TextControl> informe() { return taulaInforme; }
std::span<const TextAccessible> accessiblesInforme() { return taulaAccessiblesInforme; }

QString titolInforme(Llengua llengua, const QString &alumne)
{
    return tria(llengua, "Informe de %1 - Trimbol", "Informe de %1 - Trimbol").arg(alumne);
}

QString faltaHistoria(Llengua llengua, int falla, const QString &detall)
{
    switch (falla) {
    case 1:
        return tria(llengua, "el fitxer està malmès", "el archivo está dañado");
    case 2:
        return tria(llengua, "un altre programa té el fitxer bloquejat",
                    "otro programa tiene el archivo bloqueado");
    case 3:
        return tria(llengua, "el disc és ple", "el disco está lleno");
    case 4:
        return tria(llengua, "no es pot escriure a la carpeta", "no se puede escribir en la carpeta");
    default:
        return tria(llengua, "error del fitxer: %1", "error del archivo: %1").arg(detall);
    }
}

QString missatgeHistoria(Llengua llengua, const QString &motiu, const QString &cami)
{
    return tria(llengua,
                "No es pot desar l'historial de respostes: %1.\n\nFitxer: %2\n\n"
                "L'exercici continua sense historial, i el que s'ha fet es pot copiar a la "
                "carpeta igual que sempre. No s'ha esborrat ni canviat res del que ja hi havia.",
                "No se puede guardar el historial de respuestas: %1.\n\nArchivo: %2\n\n"
                "El ejercicio continúa sin historial, y lo que se ha hecho se puede copiar en el "
                "portapapeles igual que siempre. No se ha borrado ni cambiado nada de lo que ya "
                "había.")
        .arg(motiu, cami);
}

QString titolMissatgeHistoria(Llengua llengua)
{
    return tria(llengua, "Historial de respostes - Trimbol", "Historial de respuestas - Trimbol");
}

QString columnesTipus(Llengua llengua)
{
    return tria(llengua, "Tipus d'operació|Respostes|Correctes|Mediana",
                "Tipo de operación|Respuestas|Correctas|Mediana");
}

QString millor60(Llengua llengua, int correctes)
{
    return tria(llengua, "Millor en Operacions 60'': %1 correctes per minut",
                "Mejor en Operaciones 60'': %1 correctas por minuto")
        .arg(correctes);
}

QString millor32(Llengua llengua, const QString &segons)
{
    return tria(llengua, "Millor temps a Contrarrellotge 32: %1 segons",
                "Mejor tiempo en Contrarrelloj 32: %1 segundos")
        .arg(segons);
}

QString senseDada(Llengua llengua) { return tria(llengua, "encara cap", "todavía ninguno"); }

QString segons(Llengua llengua, const QString &valor)
{
    return tria(llengua, "%1 s", "%1 s").arg(valor);
}

QString celaFet(Llengua llengua, const QString &pregunta, int percentError, const QString &temps,
                int respostes)
{
    if (respostes == 0)
        return tria(llengua, "%1: sense respostes", "%1: sin respuestas").arg(pregunta);
    return tria(llengua, "%1: %2 % d'errors, mediana %3 segons, %4 respostes",
                "%1: %2 % de errores, mediana %3 segundos, %4 respuestas")
        .arg(pregunta)
        .arg(percentError)
        .arg(temps)
        .arg(respostes);
}

QString fallat(Llengua llengua, const QString &pregunta, int fallades, int respostes)
{
    return tria(llengua, "%1: %2 fallades de %3", "%1: %2 fallos de %3")
        .arg(pregunta)
        .arg(fallades)
        .arg(respostes);
}

QString eixSessions(Llengua llengua) { return tria(llengua, "Sessió", "Sesión"); }
QString eixRitme(Llengua llengua) { return tria(llengua, "Correctes per minut", "Correctas por minuto"); }

QString descripcioGrafic(Llengua llengua, int sessions, const QString &darrer, const QString &millor)
{
    return tria(llengua, "%1 sessions; la darrera, %2 correctes per minut; la millor, %3",
                "%1 sesiones; la última, %2 correctas por minuto; la mejor, %3")
        .arg(sessions)
        .arg(darrer, millor);
}

QString confirmarEsborrar(Llengua llengua, const QString &alumne)
{
    return tria(llengua, "Voleu esborrar totes les respostes de %1? No es podrà desfer.",
                "¿Quiere borrar todas las respuestas de %1? No se podrá deshacer.")
        .arg(alumne);
}

QString esborrat(Llengua llengua, const QString &alumne)
{
    return tria(llengua, "S'han esborrat les respostes de %1.", "Se han borrado las respuestas de %1.")
        .arg(alumne);
}

QString errorFitxer(Llengua llengua, const QString &cami)
{
    return tria(llengua, "No es pot escriure el fitxer %1.", "No se puede escribir el archivo %1.")
        .arg(cami);
}

QString filtreCsv(Llengua llengua)
{
    return tria(llengua, "Full de càlcul CSV (*.csv)", "Hoja de cálculo CSV (*.csv)");
}

QString filtrePdf(Llengua llengua) { return tria(llengua, "Document PDF (*.pdf)", "Documento PDF (*.pdf)"); }

} // namespace Textos
