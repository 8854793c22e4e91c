#include "EstilMarc.h"

#include <algorithm>
#include <array>

EstilMarc EstilMarc::de(int color, int gruix)
{
    static const std::array<std::pair<QColor, QColor>, NombreColors> colors{{
        {QColor(Qt::black), QColor(Qt::yellow)},
        {QColor(Qt::black), QColor(0xe0, 0x00, 0x00)},
        {QColor(0x00, 0x3c, 0xa0), QColor(0xff, 0x90, 0x00)},
    }};
    static constexpr std::array<int, NombreGruixos> gruixos{6, 10, 14};
    const auto &parella = colors[std::clamp(color, 0, NombreColors - 1)];
    return {parella.first, parella.second, gruixos[std::clamp(gruix, 0, NombreGruixos - 1)]};
}
