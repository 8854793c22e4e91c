#include "LlocsPrograma.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace
{
QString ajudaAlCostat(const QString &carpetaPrograma)
{
    return QDir(carpetaPrograma).filePath(QStringLiteral("ajuda"));
}

QString ajudaInstallada(const QString &carpetaPrograma)
{
    return QDir::cleanPath(
        QDir(carpetaPrograma).filePath(QStringLiteral("../share/trimbol/ajuda")));
}
} // namespace

bool LlocsPrograma::esInstallat(const QString &carpetaPrograma)
{
    return QFileInfo(ajudaInstallada(carpetaPrograma)).isDir();
}

QUrl LlocsPrograma::paginaAjuda(const QString &nom)
{
    return paginaAjuda(nom, QCoreApplication::applicationDirPath());
}

QUrl LlocsPrograma::paginaAjuda(const QString &nom, const QString &carpetaPrograma)
{
    for (const QString &carpeta :
         {ajudaAlCostat(carpetaPrograma), ajudaInstallada(carpetaPrograma)}) {
        const QFileInfo pagina(QDir(carpeta).filePath(nom));
        if (pagina.isFile())
            return QUrl::fromLocalFile(pagina.absoluteFilePath());
    }
    return QUrl::fromLocalFile(QDir(ajudaAlCostat(carpetaPrograma)).filePath(nom));
}
