#pragma once

#include <QString>

class QWindow;

// The first visible top-level window of this program whose title is not
// empty and, cut to 254 characters, contains `text` (with regard to case);
// nullptr when there is none.
QWindow *FindAWindow(const QString &text);

// Raises the window and asks for it to become the active one.
void PortarAlDavant(QWindow *finestra);

// Delivers a press and a release of the Enter key to the window, which
// hands them to its focused control.
void PremerEnter(QWindow *finestra);
