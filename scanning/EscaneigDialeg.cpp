#include "EscaneigDialeg.h"

#include "Escanejable.h"
#include "MarcEscaneig.h"

#include <QAbstractButton>
#include <QApplication>

QWidget *EscaneigDialeg::Dialeg()
{
    QWidget *modal = QApplication::activeModalWidget();
    return modal && EsEscanejable(modal) ? modal : nullptr;
}

bool EscaneigDialeg::EsControl(const QWidget *control)
{
    for (; control && !control->isWindow(); control = control->parentWidget())
        if (qobject_cast<const QAbstractButton *>(control) || control->focusPolicy() != Qt::NoFocus)
            return true;
    return false;
}

bool EscaneigDialeg::objectiu(const QWidget *control, const QWidget *dialeg)
{
    return control && control->window() == dialeg && control->isVisible() && control->isEnabled() &&
           (control->focusPolicy() & Qt::TabFocus) && qobject_cast<const QAbstractButton *>(control);
}

MarcEscaneig *EscaneigDialeg::marc(QWidget *dialeg)
{
    if (m_marc && m_marc->parentWidget() != dialeg)
        m_marc->hide();
    if (!m_marc || m_marc->parentWidget() != dialeg) {
        m_marc = dialeg->findChild<MarcEscaneig *>(QString(), Qt::FindDirectChildrenOnly);
        if (!m_marc)
            m_marc = new MarcEscaneig(dialeg);
    }
    m_marc->setEstil(m_estil);
    return m_marc;
}

QWidget *EscaneigDialeg::seguentObjectiu(QWidget *des, const QWidget *dialeg)
{
    QWidget *control = des->nextInFocusChain();
    // The focus chain is a ring; the count only guards against a broken one.
    for (int n = 0; control != des && n < 10000 && !objectiu(control, dialeg); ++n)
        control = control->nextInFocusChain();
    return objectiu(control, dialeg) ? control : nullptr;
}

void EscaneigDialeg::Seguent()
{
    QWidget *dialeg = Dialeg();
    if (!dialeg)
        return;
    // On from the framed control; the first step frames the control with
    // the focus when it can be pressed, else the next one that can.
    QWidget *control = Enmarcat();
    if (control) {
        control = seguentObjectiu(control, dialeg);
    } else {
        QWidget *focus = dialeg->focusWidget();
        control = objectiu(focus, dialeg) ? focus : seguentObjectiu(focus ? focus : dialeg, dialeg);
    }
    if (!control)
        return;
    m_enmarcat = control;
    control->setFocus(Qt::TabFocusReason);
    marc(dialeg)->Envoltar(control);
    if (m_avis)
        m_avis(control);
}

QWidget *EscaneigDialeg::Enmarcat() const
{
    QWidget *dialeg = Dialeg();
    return dialeg && m_enmarcat && m_marc && m_marc->isVisible() && m_enmarcat->window() == dialeg
               ? m_enmarcat.data()
               : nullptr;
}

void EscaneigDialeg::Activar()
{
    // A click does nothing on a disabled button.
    if (auto *boto = qobject_cast<QAbstractButton *>(Enmarcat()); boto && objectiu(boto, Dialeg()))
        boto->click();
}

void EscaneigDialeg::Amagar()
{
    if (m_marc)
        m_marc->hide();
    m_enmarcat = nullptr;
}

void EscaneigDialeg::Amagada(const QWidget *finestra)
{
    if (m_marc && m_marc->parentWidget() == finestra)
        Amagar();
}

void EscaneigDialeg::setEstil(const EstilMarc &estil)
{
    m_estil = estil;
    if (m_marc)
        m_marc->setEstil(estil);
}
