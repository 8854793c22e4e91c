#include "MarcFocus.h"

#include <QApplication>
#include <QPainter>
#include <QRegion>

MarcFocus::MarcFocus(QWidget *finestra, const QList<QWidget *> &controls, Lloc lloc)
    : QWidget(finestra), controls(controls), lloc(lloc)
{
    setObjectName(QStringLiteral("MarcFocus"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *ara) { seguirFocus(ara); });
}

void MarcFocus::seguirFocus(QWidget *focus)
{
    if (!controls.contains(focus) || (ometre && ometre(focus))) {
        hide();
        return;
    }
    QRect r(focus->mapTo(parentWidget(), QPoint(0, 0)), focus->size());
    if (lloc == Lloc::Fora)
        r.adjust(-Gruix, -Gruix, Gruix, Gruix);
    setGeometry(r);
    raise();
    show();
}

void MarcFocus::paintEvent(QPaintEvent *)
{
    QPainter pintor(this);
    pintor.fillRect(rect(), QColor(0, 0, 160));
    const int blau = Gruix - 1;
    // The white line parts the ring from the control it marks.
    pintor.fillRect(rect().adjusted(blau, blau, -blau, -blau), Qt::white);
}

void MarcFocus::resizeEvent(QResizeEvent *)
{
    // Only the ring belongs to the widget: the rest of the control shows.
    setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(Gruix, Gruix, -Gruix, -Gruix))));
}
