#pragma once

#include <functional>

class QDialog;
namespace Ui {
class TFormTTS;
}

// What the options window tells a screen reader and shows a keyboard user
// beyond its controls' own: the two groups of controls with their names,
// the link to the page on voices, the numbers that the arrows step (read
// from the arrow that has the focus, announced at each step), and the wide
// focus ring.
void PrepararAccessibilitatOpcions(QDialog *finestra, Ui::TFormTTS &ui,
                                   std::function<void()> obrirInstalar);
