#include "ServeiSpeechd.h"

#include <QFileInfo>

namespace
{

// The socket a running service listens on for this user.
QString Socol(const QProcessEnvironment &entorn)
{
    // As GLib chooses the user's runtime folder: XDG_RUNTIME_DIR, else the
    // user's cache folder.
    QString carpeta = entorn.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (carpeta.isEmpty())
        carpeta = entorn.value(QStringLiteral("XDG_CACHE_HOME"));
    if (carpeta.isEmpty())
        carpeta = entorn.value(QStringLiteral("HOME")) + QStringLiteral("/.cache");
    return carpeta + QStringLiteral("/speech-dispatcher/speechd.sock");
}

} // namespace

namespace ServeiSpeechd
{

bool Abastable(const QProcessEnvironment &entorn, const QString &ordre)
{
    const QString adreca = entorn.value(QStringLiteral("SPEECHD_ADDRESS"));
    // A socket address names where a running service listens: nothing
    // there, no service (the library starts none for an address given).
    const QLatin1String socol("unix_socket:");
    if (adreca.startsWith(socol))
        return QFileInfo::exists(adreca.mid(socol.size()));
    if (!adreca.isEmpty())
        return true;
    if (QFileInfo::exists(Socol(entorn)))
        return true;
    const QFileInfo programa(ordre);
    return programa.isFile() && programa.isExecutable();
}

} // namespace ServeiSpeechd
