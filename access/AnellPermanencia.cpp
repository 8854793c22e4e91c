#include "AnellPermanencia.h"

#include <QPainter>

#include <algorithm>

namespace {
constexpr int Diametre = 44;
constexpr int Gruix = 8;
} // namespace

AnellPermanencia::AnellPermanencia(QWidget *finestra) : QWidget(finestra)
{
    setObjectName(QStringLiteral("AnellPermanencia"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    resize(Diametre, Diametre);
    hide();
}

void AnellPermanencia::Mostrar(const QWidget *tecla, double fraccio)
{
    m_fraccio = std::clamp(fraccio, 0.0, 1.0);
    const QPoint centre = tecla->mapTo(parentWidget(), tecla->rect().center());
    move(centre - rect().center());
    raise();
    show();
    update();
}

void AnellPermanencia::paintEvent(QPaintEvent *)
{
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    const QRectF cercle = QRectF(rect()).adjusted(Gruix / 2.0, Gruix / 2.0, -Gruix / 2.0, -Gruix / 2.0);
    // A pale track and a dark-blue arc growing clockwise from the top.
    pintor.setPen(QPen(QColor(255, 255, 255, 200), Gruix));
    pintor.drawEllipse(cercle);
    pintor.setPen(QPen(QColor(0x00, 0x3c, 0xa0), Gruix, Qt::SolidLine, Qt::FlatCap));
    pintor.drawArc(cercle, 90 * 16, -int(m_fraccio * 360 * 16));
}
