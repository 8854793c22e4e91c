#include "PrecarregaMotors.h"

#include <QLibrary>
#include <QLibraryInfo>

PrecarregaMotors::PrecarregaMotors() : PrecarregaMotors(BibliotequesMotors())
{
    m_speechd.emplace();
}

PrecarregaMotors::PrecarregaMotors(QStringList biblioteques)
    : m_fil([llista = std::move(biblioteques)] { Carregar(llista); })
{
}

QStringList PrecarregaMotors::BibliotequesMotors()
{
    const QString connectors =
        QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/texttospeech/");
    QStringList biblioteques{connectors + QStringLiteral("libqtexttospeech_flite.so")};
    // The flite plugin opens these by their versioned names.
    for (const char *veu : {"kal", "kal16", "awb", "rms", "slt"})
        biblioteques.append(QStringLiteral("libflite_cmu_us_%1.so.1").arg(QLatin1String(veu)));
    return biblioteques;
}

int PrecarregaMotors::Carregar(const QStringList &biblioteques)
{
    int carregades = 0;
    for (const QString &nom : biblioteques) {
        // Never unloaded: the engines hold on to them for the program's life.
        QLibrary biblioteca(nom);
        if (biblioteca.load())
            ++carregades;
    }
    return carregades;
}
