#include "FitxerConfiguracio.h"

#include "IniDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace
{
QString carpetaConfiguracio()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// Whether a file can be created in `carpeta`. Trying is the only answer that
// holds for every user (root included) and every kind of file system.
bool carpetaEscrivible(const QString &carpeta)
{
    QTemporaryFile prova(carpeta + QStringLiteral("/.trimbol-prova-XXXXXX"));
    return prova.open();
}
} // namespace

ErrorEscriptura::ErrorEscriptura(const QString &cami)
    : std::runtime_error(QStringLiteral("Unable to write to %1").arg(cami).toStdString())
{
}

FitxerConfiguracio::FitxerConfiguracio(QString cami) : m_cami(std::move(cami)) {}

QString FitxerConfiguracio::ReadString(const QString &seccio, const QString &clau,
                                       const QString &perDefecte) const
{
    QFile fitxer(m_cami);
    if (!fitxer.open(QIODevice::ReadOnly))
        return perDefecte;
    const std::optional<QString> valor = IniDocument(fitxer.readAll()).valor(seccio, clau);
    if (!valor)
        return perDefecte;
    QString retallat = valor->left(MidaMaximaValor);
    if (!retallat.isEmpty() && retallat.back().isHighSurrogate())
        retallat.chop(1); // never leave half a character
    return retallat;
}

void FitxerConfiguracio::WriteString(const QString &seccio, const QString &clau,
                                     const QString &valor)
{
    IniDocument document(contingutPerReescriure());
    document.posarValor(seccio, clau, valor);
    desar(document.dades());
}

// The file as it is now, so that what other programs wrote in the meantime is
// kept. A file that exists but cannot be read must not be replaced.
QByteArray FitxerConfiguracio::contingutPerReescriure() const
{
    const QFileInfo info(m_cami);
    if (!info.exists())
        return {};
    QFile fitxer(m_cami);
    if (!info.isFile() || !info.isWritable() || !fitxer.open(QIODevice::ReadOnly))
        throw ErrorEscriptura(m_cami);
    QByteArray dades = fitxer.readAll();
    if (fitxer.error() != QFileDevice::NoError)
        throw ErrorEscriptura(m_cami);
    return dades;
}

// Writes a temporary file beside the target and renames it over the target,
// so that the file is at every moment either the old one or the new one.
void FitxerConfiguracio::desar(const QByteArray &dades) const
{
    if (!QDir().mkpath(QFileInfo(m_cami).absolutePath()))
        throw ErrorEscriptura(m_cami);
    QSaveFile sortida(m_cami);
    if (!sortida.open(QIODevice::WriteOnly))
        throw ErrorEscriptura(m_cami);
    if (sortida.write(dades) != dades.size()) {
        sortida.cancelWriting();
        throw ErrorEscriptura(m_cami);
    }
    if (!sortida.commit())
        throw ErrorEscriptura(m_cami);
}

QString FitxerConfiguracio::camiPrograma(const QString &nomFitxer)
{
    return camiPrograma(nomFitxer, QCoreApplication::applicationDirPath());
}

QString FitxerConfiguracio::camiPrograma(const QString &nomFitxer, const QString &carpetaPrograma)
{
    const QString alCostat = QDir(carpetaPrograma).filePath(nomFitxer);
    // A copy beside the program makes it portable, as it is on Windows.
    if (QFileInfo::exists(alCostat) || carpetaEscrivible(carpetaPrograma))
        return alCostat;
    return QDir(carpetaConfiguracio() + QStringLiteral("/trimbol")).filePath(nomFitxer);
}

QString FitxerConfiguracio::camiFamilia(const QString &nomFitxer)
{
    return QDir(carpetaConfiguracio()).filePath(nomFitxer);
}
