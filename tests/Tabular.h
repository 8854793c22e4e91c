#pragma once

#include <QApplication>
#include <QWidget>
#include <QtTest>

// The widget that keys go to in `finestra`: its focus, or itself.
inline QWidget *FocusDe(QWidget *finestra)
{
    QWidget *focus = finestra->focusWidget();
    return focus ? focus : finestra;
}

// Makes `finestra` the active window, as a learner's click or the desktop
// would: focus changes reach the controls of the active window only.
inline bool Activar(QWidget *finestra)
{
    if (QApplication::activeWindow() == finestra)
        return true;
    finestra->activateWindow();
    return QTest::qWaitForWindowActive(finestra);
}

// Presses Tab until `objectiu` has the focus; false if 80 presses never
// reach it.
inline bool TabularFins(QWidget *finestra, QWidget *objectiu)
{
    if (!Activar(finestra))
        return false;
    for (int i = 0; i < 80 && FocusDe(finestra) != objectiu; ++i)
        QTest::keyClick(FocusDe(finestra), Qt::Key_Tab);
    return FocusDe(finestra) == objectiu;
}
