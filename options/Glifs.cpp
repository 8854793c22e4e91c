#include "Glifs.h"

#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int Mida = 32;

QPixmap llenc()
{
    QPixmap pixmap(Mida, Mida);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QIcon cercleAmbLletra(const QColor &color, const QString &lletra)
{
    QPixmap pixmap = llenc();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color.darker(140), 2));
    p.setBrush(color);
    p.drawEllipse(QRectF(2, 2, Mida - 4, Mida - 4));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, Mida, Mida), Qt::AlignCenter, lletra);
    return QIcon(pixmap);
}

} // namespace

namespace Glifs {

QIcon ajuda() { return cercleAmbLletra(QColor(0x1f, 0x6f, 0xc5), QStringLiteral("?")); }

QIcon parlantDe() { return cercleAmbLletra(QColor(0x2e, 0x8b, 0x3e), QStringLiteral("i")); }

QIcon estandard(QStyle::StandardPixmap quin)
{
    static QHash<int, QIcon> fets;
    auto trobat = fets.find(quin);
    if (trobat == fets.end())
        trobat = fets.insert(quin, QApplication::style()->standardIcon(quin));
    return *trobat;
}

QIcon sortir()
{
    QPixmap pixmap = llenc();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // The door frame and the open door.
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x1a), 2));
    p.setBrush(QColor(0xf3, 0xe6, 0xc8));
    p.drawRect(QRectF(4, 3, 16, 26));
    p.setBrush(QColor(0x9c, 0x5b, 0x24));
    QPainterPath porta;
    porta.moveTo(4, 3);
    porta.lineTo(13, 7);
    porta.lineTo(13, 31);
    porta.lineTo(4, 29);
    porta.closeSubpath();
    p.drawPath(porta);
    // The arrow leading out.
    p.setPen(QPen(QColor(0xc0, 0x1c, 0x1c), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(16, 16), QPointF(29, 16));
    p.drawLine(QPointF(24, 11), QPointF(29, 16));
    p.drawLine(QPointF(24, 21), QPointF(29, 16));
    return QIcon(pixmap);
}

QIcon ignorar()
{
    // The toolkit draws no Ignore glyph of its own: a green figure running
    // to the right, as the classic one is.
    static const QIcon glif = [] {
        QPixmap pixmap = llenc();
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor verd(0x1e, 0x8a, 0x2e);
        p.setPen(Qt::NoPen);
        p.setBrush(verd);
        p.drawEllipse(QPointF(19, 6), 3.5, 3.5);
        p.setPen(QPen(verd, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(17, 11), QPointF(13, 20));                 // body
        p.drawPolyline(QPolygonF({{8, 14}, {12, 11}, {17, 11}, {21, 16}, {26, 15}})); // arms
        p.drawPolyline(QPolygonF({{13, 20}, {18, 24}, {16, 30}}));   // front leg
        p.drawPolyline(QPolygonF({{13, 20}, {9, 25}, {4, 26}}));     // back leg
        return QIcon(pixmap);
    }();
    return glif;
}

} // namespace Glifs
