#pragma once

class QWidget;

// The windows' forms give each control's font by family and weight, and its
// height in pixels as the dynamic property "pixels" (the forms' own font
// sizes are in points, which depend on the screen). Sets those pixel sizes
// on a window and its controls; run it right after the form is set up.
void AplicarMidesLletra(QWidget *finestra);
