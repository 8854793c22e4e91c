#pragma once

#include <QWidget>

// A window whose buttons the learner's switches work while a scan runs: the
// scan frames them one after another, as it frames the keys of the keypad.
inline constexpr char PropietatEscanejable[] = "trimbolEscanejable";

inline void FerEscanejable(QWidget *finestra) { finestra->setProperty(PropietatEscanejable, true); }
inline bool EsEscanejable(const QWidget *finestra)
{
    return finestra->property(PropietatEscanejable).toBool();
}
