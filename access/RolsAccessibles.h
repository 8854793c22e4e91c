#pragma once

#include <functional>

class QAbstractSpinBox;
class QAbstractButton;
class QLabel;
class QWidget;

// What a screen reader is told about controls whose Qt kind says less than
// they are. Each call gives the control an accessibility interface of its
// own; call it once the control exists, before anything asks about it.
namespace RolsAccessibles {

// A frame that gathers related controls: a group, named by its accessible
// name, that a screen reader names as the focus enters it.
void Grup(QWidget *marc);

// A label that works as a link: the role of a link, named by its text, with
// a press action that runs `obrir`.
void Enllac(QLabel *etiqueta, std::function<void()> obrir);

// A label that shows a changing value (a clock): named by its accessible
// name and its text ("Temps: 57"), with its text as the value.
void Valor(QLabel *etiqueta);

// A button that steps the number of `camp`: it keeps its name and press
// action and has the number as its value, so that a screen reader on the
// button hears the new number after each press.
void BotoDeValor(QAbstractButton *boto, QAbstractSpinBox *camp);

} // namespace RolsAccessibles
