#include "MenuIcona.h"

#include <QPainter>
#include <QPixmap>
#include <QtMath>

QIcon MenuIcona()
{
    constexpr int Mida = 64;
    QPixmap pixmap(Mida, Mida);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    p.setPen(QPen(QColor(0x1a, 0x3e, 0x7a), 3));
    p.setBrush(QColor(0xe8, 0xf0, 0xff));
    p.drawRoundedRect(QRectF(4, 4, 56, 56), 8, 8);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1a, 0x3e, 0x7a));
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(12, 14 + i * 14, 26, 7), 3, 3);

    // A gear: a disc with eight teeth and a hole.
    const QPointF centre(46, 40);
    p.setBrush(QColor(0xe0, 0x7a, 0x10));
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 45.0);
        p.drawRect(QRectF(-2.5, -13, 5, 6));
        p.restore();
    }
    p.drawEllipse(centre, 9, 9);
    p.setBrush(QColor(0xe8, 0xf0, 0xff));
    p.drawEllipse(centre, 3.5, 3.5);
    return QIcon(pixmap);
}
