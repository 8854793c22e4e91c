#include "MarcEscaneig.h"

#include <QPainter>
#include <QRegion>

MarcEscaneig::MarcEscaneig(QWidget *finestra) : QWidget(finestra), m_estil(EstilMarc::de(0, 0))
{
    setObjectName(QStringLiteral("MarcEscaneig"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void MarcEscaneig::Envoltar(const QWidget *tecla)
{
    m_tecla = tecla;
    const int gruix = m_estil.gruix;
    const QPoint origen = tecla->mapTo(parentWidget(), QPoint(0, 0));
    setGeometry(QRect(origen, tecla->size()).adjusted(-gruix, -gruix, gruix, gruix));
    raise();
    show();
}

void MarcEscaneig::setEstil(const EstilMarc &estil)
{
    m_estil = estil;
    if (m_tecla && isVisible())
        Envoltar(m_tecla);
    update();
}

void MarcEscaneig::paintEvent(QPaintEvent *)
{
    const int meitat = m_estil.gruix / 2;
    QPainter pintor(this);
    pintor.fillRect(rect(), m_estil.fora);
    pintor.fillRect(rect().adjusted(meitat, meitat, -meitat, -meitat), m_estil.dins);
}

void MarcEscaneig::resizeEvent(QResizeEvent *)
{
    // Only the ring belongs to the widget: the key inside is neither painted
    // over nor hidden.
    const int gruix = m_estil.gruix;
    setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(gruix, gruix, -gruix, -gruix))));
}
