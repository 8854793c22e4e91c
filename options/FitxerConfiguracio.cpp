#include "FitxerConfiguracio.h"

#include "IniDocument.h"
#include "LlocsPrograma.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    const std::optional<QByteArray> dades = llegir();
    if (!dades)
        return perDefecte;
    const std::optional<QString> valor = IniDocument(*dades).valor(seccio, clau);
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
    if (!document.reescrivible())
        throw ErrorEscriptura(m_cami);
    document.posarValor(seccio, clau, valor);
    desar(document.dades());
}

// The bytes of the file; nothing when it is missing, is no regular file (a
// folder, a FIFO that would wait for a writer forever, a device that never
// ends) or is too large to be a settings file.
std::optional<QByteArray> FitxerConfiguracio::llegir() const
{
    // Not blocking: opening a FIFO would otherwise wait for a writer.
    const int descriptor =
        ::open(QFile::encodeName(m_cami).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return std::nullopt;
    struct stat estat {
    };
    if (::fstat(descriptor, &estat) != 0 || !S_ISREG(estat.st_mode) ||
        estat.st_size > MidaMaximaFitxer) {
        ::close(descriptor);
        return std::nullopt;
    }
    QFile fitxer;
    if (!fitxer.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return std::nullopt;
    }
    // The size may have grown since fstat: the read stays bounded.
    QByteArray dades = fitxer.read(MidaMaximaFitxer + 1);
    if (fitxer.error() != QFileDevice::NoError || dades.size() > MidaMaximaFitxer)
        return std::nullopt;
    return dades;
}

// The file as it is now, so that what other programs wrote in the meantime is
// kept. A file that exists but cannot be read must not be replaced.
QByteArray FitxerConfiguracio::contingutPerReescriure() const
{
    if (!QFileInfo::exists(m_cami))
        return {};
    std::optional<QByteArray> dades = llegir();
    if (!dades || !QFileInfo(m_cami).isWritable())
        throw ErrorEscriptura(m_cami);
    return *std::move(dades);
}

// Writes a temporary file beside the target and renames it over the target,
// so that the file is at every moment either the old one or the new one. A
// writable file in a folder that takes no new file (a teacher's prepared
// copy) can only be rewritten in place.
void FitxerConfiguracio::desar(const QByteArray &dades) const
{
    if (!QDir().mkpath(QFileInfo(m_cami).absolutePath()))
        throw ErrorEscriptura(m_cami);
    QSaveFile sortida(m_cami);
    sortida.setDirectWriteFallback(true);
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
    // A copy beside the program makes it portable, as it is on Windows. An
    // installation's bin folder may be writable (~/.local/bin) but is no
    // place for settings.
    if (QFileInfo::exists(alCostat) ||
        (!LlocsPrograma::esInstallat(carpetaPrograma) && carpetaEscrivible(carpetaPrograma)))
        return alCostat;
    return QDir(carpetaConfiguracio() + QStringLiteral("/trimbol")).filePath(nomFitxer);
}

QString FitxerConfiguracio::camiFamilia(const QString &nomFitxer)
{
    return QDir(carpetaConfiguracio()).filePath(nomFitxer);
}
