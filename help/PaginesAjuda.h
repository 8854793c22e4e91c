#pragma once

#include "Textos.h"

#include <QString>
#include <QUrl>

// The program's help pages, in both languages: "index" (how the program is
// used), "veus" (installing voices), "autors" (who makes it) and "vorelk"
// (the family of programs). A page's Catalan copy is "<name>.html", its
// Spanish one "<name>.es.html", both in the help folder that LlocsPrograma
// finds (beside the program, or in an installation's share/trimbol).
namespace PaginesAjuda
{
QUrl Pagina(const QString &nom, Llengua llengua);
// The language a page of ours is written in, by its file name.
Llengua LlenguaDe(const QUrl &pagina);
// Whether an address is one of our pages, to be shown in the program's own
// window, rather than an address on the web.
bool EsNostra(const QUrl &adreca);
} // namespace PaginesAjuda
