#include "AccessibilitatOpcions.h"

#include "AvisAccessible.h"
#include "EntradaRadio.h"
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
// and on the arrow that has the focus. Screen readers keep quiet about the
// value of a button, so the number is also said as a notice; the arrow's
// name carries it for when the focus comes.
void AnunciarValor(QSpinBox *camp, UpDown *fletxes, AvisAccessible *avis)
{
    for (const UpDown::Boto boto : {UpDown::Boto::Anterior, UpDown::Boto::Seguent})
        RolsAccessibles::BotoDeValor(fletxes->fletxa(boto), camp);
    QObject::connect(camp, &QSpinBox::valueChanged, camp, [camp, fletxes, avis](int valor) {
        QAccessibleValueChangeEvent canvi(camp, valor);
        QAccessible::updateAccessibility(&canvi);
        for (const UpDown::Boto boto : {UpDown::Boto::Anterior, UpDown::Boto::Seguent}) {
            QToolButton *fletxa = fletxes->fletxa(boto);
            if (!fletxa->hasFocus())
                continue;
            QAccessibleValueChangeEvent canviFletxa(fletxa, valor);
            QAccessible::updateAccessibility(&canviFletxa);
            avis->Anunciar(QAccessible::queryAccessibleInterface(camp)->text(QAccessible::Name) +
                           QStringLiteral(": ") + camp->text());
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
    // Moving controls into the panel takes them out of the window's Tab
    // chain: the chain is laid again as the form has it, along the layout.
    QWidget *anterior = nullptr;
    const QList<QWidget *> ordre{ui.CheckBoxSecundaria, ui.RadioButtonTS1X,
                             ui.RadioButtonTM1X, ui.RadioButtonSE1X,
                             ui.RadioButtonME1X, ui.RadioButtonSE2X,
                             ui.RadioButtonME2X, ui.RadioButtonS3E1X,
                             ui.RadioButtonM3E1X, ui.RadioButtonTD1X,
                             ui.RadioButtonTR1X,
                             ui.UpDownEditTaulesFinsLesDe->fletxa(UpDown::Boto::Anterior),
                             ui.UpDownEditTaulesFinsLesDe->fletxa(UpDown::Boto::Seguent),
                             ui.CheckBoxLlegirResultat, ui.ListBoxMotorsDeVeu,
                             ui.LabelInstalar, ui.EditText,
                             ui.ButtonWav, ui.ButtonCalla,
                             ui.ButtonParlar, ui.CheckBoxEscaneig,
                             ui.CheckBoxEscaneigDirigit,
                             ui.UpDownEditIntervalEscaneig->fletxa(UpDown::Boto::Anterior),
                             ui.UpDownEditIntervalEscaneig->fletxa(UpDown::Boto::Seguent),
                             ui.CheckBoxLlegirTecles, ui.ButtonAcces,
                             ui.ComboBoxAlumne, ui.ButtonInforme,
                             ui.CheckBoxMenuCastellano,
                             ui.ButtonCopiarALaCarpeta, ui.BitBtnHelp,
                             ui.BitBtnDAcord, ui.BitBtnOperacions60,
                             ui.BitBtnContrarrellotge, ui.ButtonParlantDe,
                             ui.BitBtnSortir};
    for (QWidget *control : ordre) {
        if (anterior)
            QWidget::setTabOrder(anterior, control);
        anterior = control;
    }
    RolsAccessibles::Enllac(ui.LabelInstalar, std::move(obrirInstalar));
    auto *avis = new AvisAccessible(finestra);
    AnunciarValor(ui.SpinEditTaulesFinsLesDe, ui.UpDownEditTaulesFinsLesDe, avis);
    AnunciarValor(ui.SpinEditIntervalEscaneig, ui.UpDownEditIntervalEscaneig, avis);

    // The same wide ring as on the keypad keys, around every Tab stop.
    QList<QWidget *> parades;
    for (QWidget *control : finestra->findChildren<QWidget *>())
        if (control->focusPolicy() & Qt::TabFocus)
            parades << control;
    new MarcFocus(finestra, parades, MarcFocus::Lloc::Fora);
    EntradaRadio::Installar(ui.PanelOperacions);
}
