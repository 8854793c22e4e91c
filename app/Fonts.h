#pragma once

// The windows are laid out for Windows fonts that Linux lacks. Maps their
// names to free look-alikes of the same metrics class, so that every caption
// fits its control at the pixel size the layout gives.
void RegistrarFonts();
