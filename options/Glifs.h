#pragma once

#include <QIcon>
#include <QStyle>

// Pictures of the options window's glyph buttons, drawn by the program
// itself so that they stay sharp and need no image files.
namespace Glifs {
QIcon ajuda();      // a question mark in a circle: the help page
QIcon parlantDe();  // an "i" in a circle: the about window
QIcon sortir();     // an open door with an arrow: leave the program
QIcon ignorar();    // a figure running off: the two games' buttons
// One of the toolkit's standard pictures (the OK glyph), built
// once and shared by every window that shows it.
QIcon estandard(QStyle::StandardPixmap quin);
} // namespace Glifs
