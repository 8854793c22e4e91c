#include "AccessibilitatOpcions.h"

#include "MarcFocus.h"
#include "RolsAccessibles.h"
#include "TFormTTSUi.h"

#include <QAccessible>
#include <QToolButton>

namespace {

// The controls drawn on the raised panel at the top right, the voice and
// the scanning, become its children: a screen reader then names the group
// as the focus enters it. Each keeps its place and its Tab stop.
void Agrupar(QWidget *marc, const QList<QWidget *> &membres)
{
    for (QWidget *membre : membres) {
        const bool amagat = membre->isHidden();
        const QPoint lloc = membre->pos() - marc->pos();
        membre->setParent(marc);
        membre->move(lloc);
        membre->setVisible(!amagat);
    }
    RolsAccessibles::Grup(marc);
}

// Each step of the arrows is said as the number's new value, on the field
// and on the arrow that has the focus.
void AnunciarValor(QSpinBox *camp, UpDown *fletxes)
{
    for (const UpDown::Boto boto : {UpDown::Boto::Anterior, UpDown::Boto::Seguent})
        RolsAccessibles::BotoDeValor(fletxes->fletxa(boto), camp);
    QObject::connect(camp, &QSpinBox::valueChanged, camp, [camp, fletxes](int valor) {
        QAccessibleValueChangeEvent canvi(camp, valor);
        QAccessible::updateAccessibility(&canvi);
        for (const UpDown::Boto boto : {UpDown::Boto::Anterior, UpDown::Boto::Seguent}) {
            QToolButton *fletxa = fletxes->fletxa(boto);
            if (!fletxa->hasFocus())
                continue;
            QAccessibleValueChangeEvent canviFletxa(fletxa, valor);
            QAccessible::updateAccessibility(&canviFletxa);
        }
    });
}

} // namespace

void PrepararAccessibilitatOpcions(QDialog *finestra, Ui::TFormTTS &ui,
                                   std::function<void()> obrirInstalar)
{
    RolsAccessibles::Grup(ui.PanelOperacions);
    Agrupar(ui.Panel1, {ui.ListBoxMotorsDeVeu, ui.EditText, ui.ButtonWav, ui.ButtonCalla,
                        ui.ButtonParlar, ui.CheckBoxLlegirResultat, ui.SpinEditIntervalEscaneig,
                        ui.UpDownEditIntervalEscaneig, ui.CheckBoxEscaneig,
                        ui.CheckBoxEscaneigDirigit, ui.CheckBoxLlegirTecles});
    RolsAccessibles::Enllac(ui.LabelInstalar, std::move(obrirInstalar));
    AnunciarValor(ui.SpinEditTaulesFinsLesDe, ui.UpDownEditTaulesFinsLesDe);
    AnunciarValor(ui.SpinEditIntervalEscaneig, ui.UpDownEditIntervalEscaneig);

    // The same wide ring as on the keypad keys, around every Tab stop.
    QList<QWidget *> parades;
    for (QWidget *control : finestra->findChildren<QWidget *>())
        if (control->focusPolicy() & Qt::TabFocus)
            parades << control;
    new MarcFocus(finestra, parades, MarcFocus::Lloc::Fora);
}
