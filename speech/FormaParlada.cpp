#include "FormaParlada.h"

#include "SubstituirTot.h"

#include <array>
#include <utility>

namespace
{

using Taula = std::array<std::pair<const char *, const char *>, 5>;

constexpr Taula kCatala = {{
    {"+", "més"},
    {"x", "per"},
    {"/", "dividit entre"},
    {".", "per"},
    {"-", "menys"},
}};

constexpr Taula kCastella = {{
    {"+", "más"},
    {"x", "por"},
    {"/", "dividido entre"},
    {".", "por"},
    {"-", "menos"},
}};

QString Aplicar(QString text, const Taula &taula)
{
    for (const auto &[escrit, dit] : taula)
        text = SubstituirTot(text, QString::fromUtf8(escrit), QString::fromUtf8(dit));
    return text;
}

} // namespace

QString FormaParlada(const QString &text, std::optional<Llengua> llengua)
{
    if (!llengua)
        return text;
    return Aplicar(text, *llengua == Llengua::Catala ? kCatala : kCastella);
}
