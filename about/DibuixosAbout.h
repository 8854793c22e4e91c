#pragma once

#include <QPixmap>

// The pictures of the about window, drawn at start-up at the size of the
// control that shows each one. Backgrounds are transparent unless the
// picture is a panel of its own.
namespace DibuixosAbout
{
QPixmap orella(QSize mida);       // an ear
QPixmap ordinador(QSize mida);    // a computer with a hand on its keypad
QPixmap vorelk(QSize mida);       // the family's logo, "Projecte Vorelk"
QPixmap segona(QSize mida);       // the software label's logo
QPixmap inteligencia(QSize mida); // a quotation panel
QPixmap dedicatoria(QSize mida);  // a dedication panel
QPixmap personatge(QSize mida);   // the clown, full height
} // namespace DibuixosAbout
