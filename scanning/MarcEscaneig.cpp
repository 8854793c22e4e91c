#include "MarcEscaneig.h"

#include <QPainter>
#include <QRegion>

MarcEscaneig::MarcEscaneig(QWidget *finestra) : QWidget(finestra)
{
    setObjectName(QStringLiteral("MarcEscaneig"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void MarcEscaneig::Envoltar(const QWidget *tecla)
{
    const QPoint origen = tecla->mapTo(parentWidget(), QPoint(0, 0));
    setGeometry(QRect(origen, tecla->size()).adjusted(-Gruix, -Gruix, Gruix, Gruix));
    raise();
    show();
}

void MarcEscaneig::paintEvent(QPaintEvent *)
{
    const int meitat = Gruix / 2;
    QPainter pintor(this);
    pintor.fillRect(rect(), Qt::black);
    pintor.fillRect(rect().adjusted(meitat, meitat, -meitat, -meitat), Qt::yellow);
}

void MarcEscaneig::resizeEvent(QResizeEvent *)
{
    // Only the ring belongs to the widget: the key inside is neither painted
    // over nor hidden.
    setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(Gruix, Gruix, -Gruix, -Gruix))));
}
