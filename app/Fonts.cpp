#include "Fonts.h"

#include <QFont>
#include <QStringList>

void RegistrarFonts()
{
    const auto substituir = [](const char *windows, const QStringList &lliures) {
        QFont::insertSubstitutions(QString::fromLatin1(windows), lliures);
    };
    substituir("Segoe UI Semibold", {QStringLiteral("Carlito"), QStringLiteral("Open Sans")});
    substituir("Segoe UI", {QStringLiteral("Carlito"), QStringLiteral("DejaVu Sans")});
    substituir("MS Sans Serif", {QStringLiteral("Open Sans"), QStringLiteral("DejaVu Sans")});
    substituir("Comic Sans MS", {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
}
