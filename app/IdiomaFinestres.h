#pragma once

#include "Textos.h"

class QWidget;

// Sets the captions of a window's controls (buttons, labels, check boxes and
// menu actions), each found by its objectName, in the given language.
void AplicarTextos(QWidget *finestra, std::span<const TextControl> textos, Llengua llengua);

// Sets the names and descriptions that a screen reader gives the window's
// controls, in the given language.
void AplicarTextosAccessibles(QWidget *finestra, std::span<const TextAccessible> textos,
                              Llengua llengua);

// All the texts of the options window, its title included.
void AplicarLlenguaOpcions(QWidget *opcions, Llengua llengua);
