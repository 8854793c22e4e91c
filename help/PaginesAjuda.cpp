#include "PaginesAjuda.h"

#include "LlocsPrograma.h"

namespace
{
const QString sufixCastella = QStringLiteral(".es.html");
}

QUrl PaginesAjuda::Pagina(const QString &nom, Llengua llengua)
{
    return LlocsPrograma::paginaAjuda(
        nom + (llengua == Llengua::Castella ? sufixCastella : QStringLiteral(".html")));
}

Llengua PaginesAjuda::LlenguaDe(const QUrl &pagina)
{
    return pagina.fileName().endsWith(sufixCastella) ? Llengua::Castella : Llengua::Catala;
}

// Our pages are local files (a link between them is relative, and is
// resolved against the page it is on); everything else, http, https or
// mailto, is the desktop's to open.
bool PaginesAjuda::EsNostra(const QUrl &adreca)
{
    return adreca.isRelative() || adreca.isLocalFile();
}
