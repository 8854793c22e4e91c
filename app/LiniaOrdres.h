#pragma once

#include <QString>
#include <QStringList>

// The program's command line. --help and --version answer in the terminal;
// any other option, or an argument, is refused with one line and status 2.
// The display options Qt itself reads (-platform, -display, -style,
// -reverse) pass through to the application. The texts are Catalan or
// Spanish when the user's first language is one of them, English otherwise.
class LiniaOrdres
{
public:
    static constexpr int kErrorUs = 2;

    // arguments: as the program received them, its own name first.
    // idiomes: the user's languages, most preferred first.
    LiniaOrdres(const QStringList &arguments, const QStringList &idiomes, const QString &versio);

    // True when the program should go on and open its windows.
    bool ObrirFinestra() const { return m_obrir; }
    int CodiSortida() const { return m_codi; }
    // What goes to standard output and to standard error before exiting.
    const QString &Sortida() const { return m_sortida; }
    const QString &Error() const { return m_error; }

    // The one line said when no graphical desktop can be reached; pantalla
    // is the display that was asked for, empty when none was.
    static QString SenseEscriptori(const QStringList &idiomes, const QString &pantalla);

private:
    void Analitzar(const QStringList &arguments, const QStringList &idiomes, const QString &versio);

    bool m_obrir = true;
    int m_codi = 0;
    QString m_sortida;
    QString m_error;
};
