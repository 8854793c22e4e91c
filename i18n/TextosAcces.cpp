#include "TextosAcces.h"

#include <array>

namespace {

constexpr std::array<TextControl, 25> textosAcces{{
    {"LabelAcceptacio", "Temps d'acceptació", "Tiempo de aceptación"},
    {"LabelRepeticions", "Ignorar repeticions", "Ignorar repeticiones"},
    {"LabelPrimeraTecla", "Temps extra a la primera tecla", "Tiempo extra en la primera tecla"},
    {"LabelVoltes", "Voltes abans d'aturar-se", "Vueltas antes de pararse"},
    {"LabelPermanencia", "Temps de permanència", "Tiempo de permanencia"},
    {"ButtonMenysAcceptacio", "Menys", "Menos"},
    {"ButtonMenysRepeticions", "Menys", "Menos"},
    {"ButtonMenysPrimeraTecla", "Menys", "Menos"},
    {"ButtonMenysVoltes", "Menys", "Menos"},
    {"ButtonMenysPermanencia", "Menys", "Menos"},
    {"ButtonMesAcceptacio", "Més", "Más"},
    {"ButtonMesRepeticions", "Més", "Más"},
    {"ButtonMesPrimeraTecla", "Més", "Más"},
    {"ButtonMesVoltes", "Més", "Más"},
    {"ButtonMesPermanencia", "Més", "Más"},
    {"CheckBoxAcabarTecla", "Acabar de dir la tecla", "Terminar de decir la tecla"},
    {"LabelColorMarc", "Color del marc", "Color del marco"},
    {"RadioButtonColorGroc", "Groc i negre", "Amarillo y negro"},
    {"RadioButtonColorVermell", "Vermell i negre", "Rojo y negro"},
    {"RadioButtonColorBlau", "Blau i taronja", "Azul y naranja"},
    {"LabelGruixMarc", "Gruix del marc", "Grosor del marco"},
    {"ButtonTancar", "Tancar", "Cerrar"},
    {"RadioButtonGruixFi", "Fi", "Fino"},
    {"RadioButtonGruixMitja", "Mitjà", "Medio"},
    {"RadioButtonGruixGruixut", "Gruixut", "Grueso"},
}};

// The "Menys" and "Més" buttons are named after their setting, so that a
// screen reader says which one they change.
constexpr std::array<TextAccessible, 19> accessiblesDAcces{{
    {"ButtonMenysAcceptacio", "Menys temps d'acceptació", "Menos tiempo de aceptación", "", ""},
    {"ButtonMesAcceptacio", "Més temps d'acceptació", "Más tiempo de aceptación", "", ""},
    {"ButtonMenysRepeticions", "Menys temps per ignorar repeticions",
     "Menos tiempo para ignorar repeticiones", "", ""},
    {"ButtonMesRepeticions", "Més temps per ignorar repeticions",
     "Más tiempo para ignorar repeticiones", "", ""},
    {"ButtonMenysPrimeraTecla", "Menys temps extra a la primera tecla",
     "Menos tiempo extra en la primera tecla", "", ""},
    {"ButtonMesPrimeraTecla", "Més temps extra a la primera tecla",
     "Más tiempo extra en la primera tecla", "", ""},
    {"ButtonMenysVoltes", "Menys voltes", "Menos vueltas", "", ""},
    {"ButtonMesVoltes", "Més voltes", "Más vueltas", "", ""},
    {"ButtonMenysPermanencia", "Menys temps de permanència", "Menos tiempo de permanencia", "", ""},
    {"ButtonMesPermanencia", "Més temps de permanència", "Más tiempo de permanencia", "", ""},
    {"LabelAcceptacio", "", "",
     "Una premuda compta només si el polsador es manté premut aquest temps",
     "Una pulsación cuenta solo si el pulsador se mantiene pulsado este tiempo"},
    {"LabelRepeticions", "", "",
     "Les premudes que arriben durant aquest temps després d'una d'acceptada no compten",
     "Las pulsaciones que llegan durante este tiempo después de una aceptada no cuentan"},
    {"LabelPrimeraTecla", "", "",
     "El marc s'està aquest temps de més a la primera tecla i després de cada tria",
     "El marco se queda este tiempo de más en la primera tecla y después de cada elección"},
    {"LabelVoltes", "", "",
     "L'escaneig automàtic s'atura després d'aquestes voltes sense cap premuda",
     "El barrido automático se para después de estas vueltas sin ninguna pulsación"},
    {"LabelPermanencia", "", "",
     "Deixar el punter aquest temps sobre una tecla la prem",
     "Dejar el puntero este tiempo sobre una tecla la pulsa"},
    {"CheckBoxAcabarTecla", "", "",
     "Amb Llegir les tecles, el marc no passa a la tecla següent fins que s'ha dit la tecla",
     "Con Leer las teclas, el marco no pasa a la tecla siguiente hasta que se ha dicho la tecla"},
    {"PanelColorMarc", "Color del marc", "Color del marco", "", ""},
    {"PanelGruixMarc", "Gruix del marc", "Grosor del marco", "", ""},
    {"ButtonTancar", "", "", "Torna a les opcions", "Vuelve a las opciones"},
}};

QString tria(Llengua llengua, const char *catala, const char *castella)
{
    return QString::fromUtf8(llengua == Llengua::Catala ? catala : castella);
}

} // namespace

namespace Textos {

std::span<const TextControl> acces() { return textosAcces; }
std::span<const TextAccessible> accessiblesAcces() { return accessiblesDAcces; }

QString titolAcces(Llengua llengua) { return tria(llengua, "Accés", "Acceso"); }

QString segons(Llengua, int decimes)
{
    // Both languages write the decimal comma.
    return QStringLiteral("%1,%2 s").arg(decimes / 10).arg(decimes % 10);
}

QString senseLimit(Llengua llengua) { return tria(llengua, "Sense límit", "Sin límite"); }
QString desactivada(Llengua llengua) { return tria(llengua, "Desactivada", "Desactivada"); }

} // namespace Textos
