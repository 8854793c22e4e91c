#include "SubstituirTot.h"

QString SubstituirTot(QString text, const QString &antic, const QString &nou)
{
    if (antic.isEmpty())
        return text;
    const bool nouConteAntic = nou.contains(antic, Qt::CaseSensitive);
    qsizetype desde = 0;
    for (;;) {
        const qsizetype lloc = text.indexOf(antic, desde, Qt::CaseSensitive);
        if (lloc < 0)
            return text;
        text.replace(lloc, antic.size(), nou);
        desde = nouConteAntic ? lloc + nou.size() : 0;
    }
}
