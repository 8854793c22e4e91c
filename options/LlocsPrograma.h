#pragma once

#include <QString>
#include <QUrl>

// Where the program's own files are. A build or a copy carried on a USB stick
// keeps them beside the executable; an installed copy keeps them under
// `../share/trimbol` next to its `bin` folder.
namespace LlocsPrograma
{
// Whether the program in `carpetaPrograma` runs from an installation: its
// help pages are in `../share/trimbol`.
bool esInstallat(const QString &carpetaPrograma);

// The help page `nom`: `<program>/ajuda` first, then the installation's.
// When neither has it, the address beside the program.
QUrl paginaAjuda(const QString &nom);
QUrl paginaAjuda(const QString &nom, const QString &carpetaPrograma);
} // namespace LlocsPrograma
