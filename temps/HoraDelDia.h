#pragma once

#include <QLocale>
#include <QString>
#include <QTime>

// The time of day as the record shows it: the locale's long time format
// without the time zone's name ("15:04:05", not "15:04:05 (UTC)").
QString HoraLlarga(const QLocale &locale, const QTime &hora);

// A time format with its time-zone fields (t, tt...) and the blanks or
// brackets left around them removed; quoted text is kept as it is.
QString FormatSenseZona(const QString &format);
