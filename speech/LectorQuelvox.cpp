#include "LectorQuelvox.h"

#include "Finestres.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace
{

const QString kNomPrograma = QStringLiteral("quelvox");

} // namespace

bool LectorQuelvox::BuscarFinestra(const QString &titol)
{
    m_finestra = FindAWindow(titol);
    return m_finestra != nullptr;
}

void LectorQuelvox::EnviarMissatge(int) {}

void LectorQuelvox::PortarAlDavant()
{
    ::PortarAlDavant(m_finestra);
}

QString LectorQuelvox::CamiPrograma()
{
    const QFileInfo propi(QCoreApplication::applicationDirPath() + QLatin1Char('/') + kNomPrograma);
    if (propi.isFile() && propi.isExecutable())
        return propi.absoluteFilePath();
    // findExecutable walks PATH only.
    return QStandardPaths::findExecutable(kNomPrograma);
}

bool LectorQuelvox::Executar(const QStringList &arguments)
{
    const QString programa = CamiPrograma();
    return !programa.isEmpty() && QProcess::startDetached(programa, arguments);
}
