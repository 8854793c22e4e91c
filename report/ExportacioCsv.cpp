#include "ExportacioCsv.h"

#include <QDateTime>
#include <QSaveFile>
#include <QStringList>

namespace {
QString Camp(const QString &valor)
{
    if (!valor.contains(QLatin1Char(',')) && !valor.contains(QLatin1Char('"')) &&
        !valor.contains(QLatin1Char('\n')) && !valor.contains(QLatin1Char('\r')))
        return valor;
    QString entre = valor;
    entre.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + entre + QLatin1Char('"');
}
} // namespace

namespace ExportacioCsv {

QString Capcalera()
{
    return QStringLiteral("moment,alumne,tipus,pregunta,resposta,verdicte,ms,pulsacions,sessio");
}

QString Linia(const RespostaDesada &r)
{
    // The local time with its offset from UTC, which a spreadsheet reads.
    const QString moment =
        QDateTime::fromMSecsSinceEpoch(r.moment).toOffsetFromUtc(
            QDateTime::fromMSecsSinceEpoch(r.moment).offsetFromUtc()).toString(Qt::ISODate);
    return QStringList{moment,
                       Camp(r.alumne),
                       r.tipus,
                       Camp(r.pregunta),
                       Camp(r.resposta),
                       r.verdicte,
                       QString::number(r.ms),
                       QString::number(r.pulsacions),
                       QString::number(r.sessio)}
        .join(QLatin1Char(','));
}

bool Escriure(const QString &cami, const std::vector<RespostaDesada> &respostes)
{
    QSaveFile fitxer(cami);
    if (!fitxer.open(QIODevice::WriteOnly))
        return false;
    QByteArray text("\xEF\xBB\xBF");
    text += Capcalera().toUtf8() + "\r\n";
    for (const RespostaDesada &r : respostes)
        text += Linia(r).toUtf8() + "\r\n";
    return fitxer.write(text) == text.size() && fitxer.commit();
}

} // namespace ExportacioCsv
