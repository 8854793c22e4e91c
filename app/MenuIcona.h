#pragma once

#include <QIcon>

// The picture of the button that opens the options window: a sheet with
// three bars and a small gear, drawn by the program.
QIcon MenuIcona();
