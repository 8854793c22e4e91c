#pragma once

class QAccessibleEvent;
class QWidget;

// Tells screen readers that a control's accessible name changed, so that
// one following that control reads the new name out: the question, the
// verdict and the solution reach the learner this way.
namespace AvisAccessible {

void CanviDeNom(QWidget *control);

// Test seam: sees every notice, even where no screen reader listens (Qt
// then sends nothing, as on the offscreen platform).
using Observador = void (*)(QAccessibleEvent *event);
void setObservador(Observador observador);

} // namespace AvisAccessible
