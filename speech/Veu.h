#pragma once

#include <QLocale>
#include <QString>

// One installed voice of a voice object, as its voice list hands it out.
class Veu
{
public:
    Veu(QString descripcio, QString nom, QLocale locale)
        : m_descripcio(std::move(descripcio)), m_nom(std::move(nom)), m_locale(std::move(locale))
    {
    }

    QString GetDescription() const { return m_descripcio; }
    // What the voice object needs to pick this voice again.
    const QString &nom() const { return m_nom; }
    const QLocale &locale() const { return m_locale; }

private:
    QString m_descripcio;
    QString m_nom;
    QLocale m_locale;
};
