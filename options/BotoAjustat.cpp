#include "BotoAjustat.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void BotoAjustat::paintEvent(QPaintEvent *)
{
    QStylePainter pintor(this);
    QStyleOptionButton opcio;
    initStyleOption(&opcio);
    const QString text = opcio.text;
    opcio.text.clear();
    pintor.drawControl(QStyle::CE_PushButton, opcio);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &opcio, this);
    pintor.drawItemText(area.adjusted(2, 0, -2, 0),
                        Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                        isEnabled(), text, QPalette::ButtonText);
}
