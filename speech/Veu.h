#pragma once

#include <QLocale>
#include <QString>

// One installed voice of a voice object, as its voice list hands it out.
class Veu
{
public:
    Veu(QString descripcio, QString nom, QLocale locale, QString motor = {})
        : m_descripcio(std::move(descripcio)), m_nom(std::move(nom)), m_locale(std::move(locale)),
          m_motor(std::move(motor))
    {
    }

    QString GetDescription() const { return m_descripcio; }
    // What the voice object needs to pick this voice again.
    const QString &nom() const { return m_nom; }
    const QLocale &locale() const { return m_locale; }
    // The part of the engine that speaks with it (speech-dispatcher's output
    // module), where the engine has several.
    const QString &motor() const { return m_motor; }

private:
    QString m_descripcio;
    QString m_nom;
    QLocale m_locale;
    QString m_motor;
};
