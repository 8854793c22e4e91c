#pragma once

class QWidget;

// Tab into a group of radio buttons lands on the one that is checked, as
// on every desktop: a screen reader then says which is chosen, and the
// learner does not have to pass the others, which the arrow keys would
// check on the way. Only the checked button takes the focus from Tab; the
// arrows and the mouse still reach them all.
namespace EntradaRadio {
// The radio buttons that are children of `grup`, for the rest of its life.
void Installar(QWidget *grup);
}
