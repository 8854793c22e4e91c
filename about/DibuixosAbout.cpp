#include "DibuixosAbout.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace
{
const QColor pell(0xF2, 0xC2, 0x9B);
const QColor contornPell(0x9A, 0x5B, 0x3A);

// A transparent canvas of the control's size. The pictures are drawn in a
// design space of `disseny` pixels and scaled to the canvas, so a control of
// another size still gets the whole picture.
class Llenc
{
public:
    Llenc(QSize mida, QSizeF disseny) : m_pixmap(mida)
    {
        m_pixmap.fill(Qt::transparent);
        m_pintor.begin(&m_pixmap);
        m_pintor.setRenderHint(QPainter::Antialiasing);
        m_pintor.setRenderHint(QPainter::TextAntialiasing);
        m_pintor.scale(mida.width() / disseny.width(), mida.height() / disseny.height());
    }
    QPainter &pintor() { return m_pintor; }
    QPixmap acabar()
    {
        m_pintor.end();
        return m_pixmap;
    }

private:
    QPixmap m_pixmap;
    QPainter m_pintor;
};

QFont lletra(int pixels, bool negreta, bool cursiva = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(negreta);
    font.setItalic(cursiva);
    return font;
}

// Shrinks the font until `text` fits `amplada` pixels.
QFont ajustada(QFont font, const QString &text, qreal amplada)
{
    while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > amplada)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

void textCentrat(QPainter &p, const QRectF &on, const QString &text, const QFont &font,
                 const QColor &color, int flags = Qt::AlignCenter | Qt::TextWordWrap)
{
    p.setFont(font);
    p.setPen(color);
    p.drawText(on, flags, text);
}

void cercle(QPainter &p, QPointF centre, qreal radi, const QColor &farciment,
            const QPen &vora = Qt::NoPen)
{
    p.setPen(vora);
    p.setBrush(farciment);
    p.drawEllipse(centre, radi, radi);
}
} // namespace

namespace DibuixosAbout
{

QPixmap orella(QSize mida)
{
    Llenc llenc(mida, {33, 33});
    QPainter &p = llenc.pintor();
    // Sound waves reaching the ear from the left.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x2C, 0x6F, 0xC9), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(3, 11, 8, 12), 110 * 16, 140 * 16);
    p.drawArc(QRectF(1, 8, 9, 18), 115 * 16, 130 * 16);

    QPainterPath contorn;
    contorn.moveTo(12, 13);
    contorn.cubicTo(11, 3, 28, 1, 28, 13);
    contorn.cubicTo(28, 20, 22, 20, 22, 25);
    contorn.cubicTo(22, 31, 14, 32, 13, 27);
    contorn.cubicTo(12, 23, 12, 18, 12, 13);
    p.setPen(QPen(contornPell, 1.4));
    p.setBrush(pell);
    p.drawPath(contorn);

    QPainterPath plec;
    plec.moveTo(16, 13);
    plec.cubicTo(16, 7, 24, 7, 24, 13);
    plec.cubicTo(24, 17, 19, 17, 19, 21);
    p.setBrush(Qt::NoBrush);
    p.drawPath(plec);
    cercle(p, {17, 19}, 1.6, contornPell);
    return llenc.acabar();
}

QPixmap ordinador(QSize mida)
{
    Llenc llenc(mida, {33, 33});
    QPainter &p = llenc.pintor();
    const QPen vora(QColor(0x40, 0x40, 0x40), 1);
    // Screen on a stand.
    p.setPen(vora);
    p.setBrush(QColor(0xE8, 0xE8, 0xE8));
    p.drawRoundedRect(QRectF(4, 1.5, 22, 16), 2, 2);
    p.setBrush(QColor(0x2F, 0x6E, 0xC4));
    p.drawRect(QRectF(6, 3.5, 18, 11));
    p.setPen(QPen(Qt::white, 1.4));
    p.drawLine(QPointF(10, 8), QPointF(14, 8));
    p.drawLine(QPointF(12, 6), QPointF(12, 10));
    p.drawLine(QPointF(16, 7.5), QPointF(20, 7.5));
    p.drawLine(QPointF(16, 9.5), QPointF(20, 9.5));
    p.setPen(vora);
    p.setBrush(QColor(0x9A, 0x9A, 0x9A));
    p.drawRect(QRectF(13, 17.5, 4, 2.5));
    // Keypad.
    p.setBrush(QColor(0xD0, 0xD0, 0xD0));
    p.drawRoundedRect(QRectF(1.5, 20.5, 27, 11), 1.5, 1.5);
    p.setBrush(Qt::white);
    for (int fila = 0; fila < 2; ++fila)
        for (int col = 0; col < 6; ++col)
            p.drawRect(QRectF(3.5 + col * 4, 22.5 + fila * 4.5, 3, 3));
    // A hand from the right, its forefinger on a key.
    QPainterPath ma;
    ma.addRoundedRect(QRectF(22, 22, 10.5, 10), 3.5, 3.5);
    ma.addRoundedRect(QRectF(14.5, 23, 10, 3.4), 1.7, 1.7);
    p.setPen(QPen(contornPell, 0.9));
    p.setBrush(pell);
    p.drawPath(ma.simplified());
    return llenc.acabar();
}

QPixmap vorelk(QSize mida)
{
    Llenc llenc(mida, {220, 112});
    QPainter &p = llenc.pintor();
    // Emblem: a speech bubble in a round badge.
    QRadialGradient fons(QPointF(40, 42), 54);
    fons.setColorAt(0, QColor(0x4F, 0xC3, 0xB8));
    fons.setColorAt(1, QColor(0x13, 0x6F, 0x8C));
    cercle(p, {50, 56}, 46, QColor(0x13, 0x6F, 0x8C));
    p.setBrush(fons);
    p.drawEllipse(QPointF(50, 56), 43, 43);
    QPainterPath bafarada;
    bafarada.addRoundedRect(QRectF(22, 32, 56, 36), 14, 14);
    QPainterPath punta;
    punta.moveTo(34, 64);
    punta.lineTo(28, 80);
    punta.lineTo(46, 66);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(bafarada.united(punta));
    for (int i = 0; i < 3; ++i)
        cercle(p, {38.0 + i * 12, 50}, 4, QColor(0xF3, 0x8B, 0x1F));
    // Name.
    const QRectF zonaText(102, 0, 118, 112);
    textCentrat(p, QRectF(102, 22, 118, 24), QStringLiteral("Projecte"), lletra(17, true),
                QColor(0x13, 0x4F, 0x7A), Qt::AlignLeft | Qt::AlignVCenter);
    const QString nom = QStringLiteral("Vorelk");
    const QFont gran = ajustada(lletra(34, true), nom, zonaText.width());
    QLinearGradient taronja(0, 48, 0, 84);
    taronja.setColorAt(0, QColor(0xFF, 0xB3, 0x3A));
    taronja.setColorAt(1, QColor(0xD9, 0x5B, 0x12));
    QPainterPath lletres;
    lletres.addText(QPointF(100, 80), gran, nom);
    p.setPen(QPen(QColor(0x8A, 0x3A, 0x0A), 1));
    p.setBrush(taronja);
    p.drawPath(lletres);
    textCentrat(p, QRectF(102, 84, 118, 18), QStringLiteral("veu, lectura, accés"),
                ajustada(lletra(12, false), QStringLiteral("veu, lectura, accés"), 116),
                QColor(0x13, 0x4F, 0x7A), Qt::AlignLeft | Qt::AlignVCenter);
    return llenc.acabar();
}

QPixmap segona(QSize mida)
{
    Llenc llenc(mida, {226, 131});
    QPainter &p = llenc.pintor();
    QLinearGradient fons(0, 0, 0, 131);
    fons.setColorAt(0, QColor(0xFF, 0xFD, 0xF0));
    fons.setColorAt(1, QColor(0xF6, 0xE7, 0xB0));
    p.setPen(QPen(QColor(0x7A, 0x4E, 0x1C), 2));
    p.setBrush(fons);
    p.drawRoundedRect(QRectF(2, 2, 222, 127), 14, 14);
    // Three toy blocks: 1 + 2.
    const struct {
        QRectF lloc;
        QColor color;
        const char *signe;
    } blocs[] = {{{14, 62, 40, 40}, QColor(0xE5, 0x3B, 0x3B), "1"},
                 {{58, 62, 40, 40}, QColor(0x2E, 0x9E, 0x4F), "+"},
                 {{36, 20, 40, 40}, QColor(0x2F, 0x6E, 0xC4), "2"}};
    for (const auto &bloc : blocs) {
        p.setPen(QPen(bloc.color.darker(150), 1.5));
        p.setBrush(bloc.color);
        p.drawRoundedRect(bloc.lloc, 5, 5);
        textCentrat(p, bloc.lloc, QString::fromLatin1(bloc.signe), lletra(28, true), Qt::white,
                    Qt::AlignCenter);
    }
    textCentrat(p, QRectF(108, 26, 110, 26), QStringLiteral("Taller"), lletra(22, true),
                QColor(0x7A, 0x4E, 0x1C));
    textCentrat(p, QRectF(108, 52, 110, 30), QStringLiteral("Trimbol"),
                ajustada(lletra(28, true), QStringLiteral("Trimbol"), 108),
                QColor(0xC2, 0x41, 0x0C));
    textCentrat(p, QRectF(106, 84, 114, 34), QStringLiteral("programari per aprendre jugant"),
                lletra(11, false), QColor(0x5A, 0x3A, 0x14));
    return llenc.acabar();
}

QPixmap inteligencia(QSize mida)
{
    Llenc llenc(mida, {273, 161});
    QPainter &p = llenc.pintor();
    p.fillRect(QRectF(0, 0, 273, 161), QColor(0xFF, 0xF7, 0xE0));
    p.setPen(QPen(QColor(0x8C, 0x5A, 0x2B), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(5, 5, 263, 151));
    textCentrat(p, QRectF(12, 2, 60, 60), QStringLiteral("\u201C"), lletra(64, true),
                QColor(0xE2, 0xB9, 0x7F), Qt::AlignLeft | Qt::AlignTop);
    textCentrat(
        p, QRectF(24, 26, 225, 84),
        QStringLiteral("Cada nen compta, i cada nen pot comptar: només cal donar-li temps."),
        lletra(16, true), QColor(0x4A, 0x2C, 0x0F));
    textCentrat(p, QRectF(20, 114, 236, 24), QStringLiteral("\u2014 dita de la nostra aula"),
                lletra(12, false, true), QColor(0x6B, 0x45, 0x1E),
                Qt::AlignRight | Qt::AlignVCenter);
    return llenc.acabar();
}

QPixmap dedicatoria(QSize mida)
{
    Llenc llenc(mida, {226, 131});
    QPainter &p = llenc.pintor();
    p.setPen(QPen(QColor(0x3B, 0x6E, 0xA8), 2));
    p.setBrush(QColor(0xE6, 0xF1, 0xFB));
    p.drawRoundedRect(QRectF(2, 2, 222, 127), 10, 10);
    // A small heart.
    QPainterPath cor;
    cor.moveTo(113, 34);
    cor.cubicTo(113, 22, 95, 20, 95, 31);
    cor.cubicTo(95, 39, 106, 44, 113, 50);
    cor.cubicTo(120, 44, 131, 39, 131, 31);
    cor.cubicTo(131, 20, 113, 22, 113, 34);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE0, 0x3E, 0x52));
    p.drawPath(cor);
    textCentrat(p, QRectF(12, 52, 202, 50),
                QStringLiteral("Per a tots els nens i nenes que aprenen al seu ritme."),
                lletra(14, true), QColor(0x1F, 0x3F, 0x66));
    textCentrat(p, QRectF(12, 102, 202, 20), QStringLiteral("i per a qui els acompanya"),
                lletra(12, false, true), QColor(0x3B, 0x6E, 0xA8));
    return llenc.acabar();
}

QPixmap personatge(QSize mida)
{
    Llenc llenc(mida, {172, 338});
    QPainter &p = llenc.pintor();
    const QPen vora(QColor(0x33, 0x22, 0x22), 1.5);
    const QColor groc(0xFF, 0xD2, 0x3F), blau(0x3A, 0x7B, 0xD5), vermell(0xE0, 0x2F, 0x2F);

    // Shoes and trousers.
    p.setPen(vora);
    p.setBrush(vermell);
    p.drawEllipse(QRectF(8, 298, 76, 28));
    p.drawEllipse(QRectF(88, 298, 76, 28));
    QPainterPath camaEsquerra, camaDreta;
    camaEsquerra.moveTo(46, 196);
    camaEsquerra.lineTo(86, 196);
    camaEsquerra.lineTo(82, 304);
    camaEsquerra.lineTo(40, 304);
    camaEsquerra.closeSubpath();
    camaDreta.moveTo(86, 196);
    camaDreta.lineTo(126, 196);
    camaDreta.lineTo(132, 304);
    camaDreta.lineTo(90, 304);
    camaDreta.closeSubpath();
    p.setBrush(blau);
    p.drawPath(camaEsquerra);
    p.setBrush(groc);
    p.drawPath(camaDreta);

    // Arms: the left one hangs, the right one waves.
    p.setPen(QPen(QColor(0x33, 0x22, 0x22), 21, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(56, 116), QPointF(26, 178));
    p.drawLine(QPointF(116, 116), QPointF(148, 70));
    p.setPen(QPen(groc, 18, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(56, 116), QPointF(26, 178));
    p.setPen(QPen(blau, 18, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(116, 116), QPointF(148, 70));
    cercle(p, {24, 188}, 11, Qt::white, vora);
    cercle(p, {151, 60}, 11, Qt::white, vora);

    // Baggy suit in two colours, with dots and pompom buttons.
    QPainterPath meitatEsquerra, meitatDreta;
    meitatEsquerra.moveTo(86, 104);
    meitatEsquerra.lineTo(56, 106);
    meitatEsquerra.cubicTo(40, 140, 34, 180, 44, 202);
    meitatEsquerra.lineTo(86, 202);
    meitatEsquerra.closeSubpath();
    meitatDreta.moveTo(86, 104);
    meitatDreta.lineTo(116, 106);
    meitatDreta.cubicTo(132, 140, 138, 180, 128, 202);
    meitatDreta.lineTo(86, 202);
    meitatDreta.closeSubpath();
    p.setPen(vora);
    p.setBrush(groc);
    p.drawPath(meitatEsquerra);
    p.setBrush(blau);
    p.drawPath(meitatDreta);
    const QPointF punts[] = {{62, 130}, {56, 168}, {70, 188}, {110, 126}, {118, 160}, {104, 186}};
    for (const QPointF &punt : punts)
        cercle(p, punt, 4, punt.x() < 86 ? vermell : groc);
    for (qreal y : {132.0, 156.0, 180.0})
        cercle(p, {86, y}, 6, vermell, vora);

    // Ruffled collar.
    for (int i = 0; i < 9; ++i)
        cercle(p, {54.0 + i * 8, 104}, 7, i % 2 ? groc : Qt::white, vora);

    // Hair, face, nose and smile.
    cercle(p, {58, 60}, 14, QColor(0xF3, 0x7A, 0x1F), vora);
    cercle(p, {114, 60}, 14, QColor(0xF3, 0x7A, 0x1F), vora);
    p.setBrush(QColor(0xFF, 0xF6, 0xEE));
    p.drawEllipse(QPointF(86, 66), 27, 30);
    p.setBrush(QColor(0x33, 0x22, 0x22));
    p.drawEllipse(QPointF(76, 58), 3, 4);
    p.drawEllipse(QPointF(96, 58), 3, 4);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(70, 46, 12, 8), 30 * 16, 120 * 16);
    p.drawArc(QRectF(90, 46, 12, 8), 30 * 16, 120 * 16);
    QPainterPath somriure;
    somriure.moveTo(70, 78);
    somriure.cubicTo(76, 94, 96, 94, 102, 78);
    somriure.cubicTo(94, 84, 78, 84, 70, 78);
    p.setBrush(vermell);
    p.drawPath(somriure);
    cercle(p, {86, 71}, 7, vermell, vora);

    // A little pointed hat with a pompom.
    QPainterPath barret;
    barret.moveTo(66, 42);
    barret.lineTo(104, 38);
    barret.lineTo(92, 6);
    barret.closeSubpath();
    p.setBrush(QColor(0x7E, 0x3F, 0xB8));
    p.drawPath(barret);
    cercle(p, {92, 7}, 6, groc, vora);
    return llenc.acabar();
}

} // namespace DibuixosAbout
