#include "MostrarModal.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWindow>

void MostrarModal(QDialog &dialeg, QWidget *finestra)
{
    // The window opens in front of the one it was opened from (the options
    // window for the about window, this one for the others), even where no
    // window manager raises it: the about window, already shown once as the
    // splash, would otherwise reopen at its old place in the stack.
    QWidget *davant = QApplication::activeModalWidget();
    if (!davant)
        davant = finestra;
    dialeg.winId();
    if (QWindow *finestra = dialeg.windowHandle(); finestra && davant->windowHandle())
        finestra->setTransientParent(davant->windowHandle());
    QTimer::singleShot(0, &dialeg, [&dialeg] {
        dialeg.raise();
        dialeg.activateWindow();
    });
    dialeg.exec();
    // The focus comes back to the window it was opened from, even where no
    // window manager hands it back: keys and a screen reader follow it.
    if (davant->isVisible())
        davant->activateWindow();
}
