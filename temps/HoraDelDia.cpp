#include "HoraDelDia.h"

#include <QRegularExpression>

QString FormatSenseZona(const QString &format)
{
    QString resultat;
    bool entreCometes = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == QLatin1Char('\''))
            entreCometes = !entreCometes;
        else if (!entreCometes && c == QLatin1Char('t'))
            continue;
        resultat += c;
    }
    // What held the zone: empty brackets and the blanks beside it.
    static const QRegularExpression parentesiBuit(QStringLiteral("\\(\\s*\\)"));
    resultat.remove(parentesiBuit);
    return resultat.simplified();
}

QString HoraLlarga(const QLocale &locale, const QTime &hora)
{
    return locale.toString(hora, FormatSenseZona(locale.timeFormat(QLocale::LongFormat)));
}
