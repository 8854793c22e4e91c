#include "DibuixDiferit.h"

#include <QEvent>
#include <QLabel>

DibuixDiferit::DibuixDiferit(QLabel *imatge, Dibuix dibuix)
    : QObject(imatge), m_imatge(imatge), m_dibuix(dibuix)
{
}

void DibuixDiferit::Installar(QLabel *imatge, Dibuix dibuix)
{
    imatge->installEventFilter(new DibuixDiferit(imatge, dibuix));
}

bool DibuixDiferit::eventFilter(QObject *objecte, QEvent *event)
{
    if (objecte == m_imatge && event->type() == QEvent::Show) {
        m_imatge->setPixmap(m_dibuix(m_imatge->size()));
        m_imatge->removeEventFilter(this);
        deleteLater();
    }
    return false;
}
