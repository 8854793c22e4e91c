#pragma once

#include <QString>

#include <optional>
#include <stdexcept>

// A settings write that the system refused. what() reads
// "Unable to write to <path>".
class ErrorEscriptura : public std::runtime_error
{
public:
    explicit ErrorEscriptura(const QString &cami);
};

// A sectioned key=value settings file with the semantics of the Windows
// private-profile calls: sections and keys match without regard to case,
// values are plain text, a missing file or key gives the caller's default,
// every read and write goes to the file at once, and the file is created by
// the first write. Each write replaces the file atomically, except in a
// folder where no other file can be created, where the file is rewritten in
// place. Only a regular file of at most MidaMaximaFitxer bytes is read:
// anything else reads as a missing file and refuses writes.
class FitxerConfiguracio
{
public:
    explicit FitxerConfiguracio(QString cami);

    const QString &cami() const { return m_cami; }

    QString ReadString(const QString &seccio, const QString &clau, const QString &perDefecte) const;
    // Values are capped at what the program's 1024-byte buffer holds.
    static constexpr qsizetype MidaMaximaValor = 1023;
    static constexpr qsizetype MidaMaximaFitxer = 1 << 20;

    // Throws ErrorEscriptura when the file cannot be written (or cannot be
    // read, since rewriting it would then lose the other keys). A section or
    // key name the format cannot hold (empty, with a line break, a key with
    // '=' or a section with ']') throws std::invalid_argument.
    void WriteString(const QString &seccio, const QString &clau, const QString &valor);

    // Where the program keeps `nomFitxer` ("trimbol.ini"): beside the
    // executable when the file already exists there, or when that folder is
    // writable and not an installation's; otherwise in the user's
    // configuration folder.
    static QString camiPrograma(const QString &nomFitxer);
    // The same choice for a given program folder.
    static QString camiPrograma(const QString &nomFitxer, const QString &carpetaPrograma);
    // A family file shared with sibling programs ("projectevorelk.ini"):
    // always in the user's configuration folder.
    static QString camiFamilia(const QString &nomFitxer);

private:
    std::optional<QByteArray> llegir() const;
    QByteArray contingutPerReescriure() const;
    void desar(const QByteArray &dades) const;

    QString m_cami;
};
