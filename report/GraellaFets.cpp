#include "GraellaFets.h"

#include "TextosHistoria.h"

#include <QHeaderView>
#include <QLocale>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

namespace {
// The question a cell stands for, as the drill writes it.
QString Pregunta(const QString &tipus, const QString &fila, const QString &columna)
{
    const int f = fila.toInt(), c = columna.toInt();
    if (tipus == QLatin1String("TS1X"))
        return QStringLiteral("%1 + %2").arg(f).arg(c);
    if (tipus == QLatin1String("TR1X"))
        return QStringLiteral("%1 - %2").arg(f + c).arg(f);
    if (tipus == QLatin1String("TD1X"))
        return QStringLiteral("%1 / %2").arg(f * c).arg(f);
    return QStringLiteral("%1 x %2").arg(f).arg(c);
}
} // namespace

namespace GraellaFets {

void Preparar(QTableWidget *taula)
{
    taula->setRowCount(10);
    taula->setColumnCount(10);
    taula->setEditTriggers(QAbstractItemView::NoEditTriggers);
    taula->setSelectionMode(QAbstractItemView::SingleSelection);
    taula->setTabKeyNavigation(false);
    taula->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    taula->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

QColor Color(double taxaError)
{
    const double t = std::clamp(taxaError, 0.0, 1.0);
    return QColor::fromHsvF(float((1.0 - t) * 120.0 / 360.0), 0.45f, 1.0f);
}

QString Segons(std::int64_t ms)
{
    return QLocale().toString(double(ms) / 1000.0, 'f', 1);
}

void Omplir(QTableWidget *taula, const Informe::Graella &graella, const QString &tipus,
            Llengua llengua)
{
    taula->setVerticalHeaderLabels(graella.files);
    taula->setHorizontalHeaderLabels(graella.columnes);
    for (int f = 0; f < 10; ++f)
        for (int c = 0; c < 10; ++c) {
            const Informe::Fet &fet = graella.fets[f][c];
            auto *cela = new QTableWidgetItem;
            cela->setTextAlignment(Qt::AlignCenter);
            const QString pregunta =
                fet.respostes ? fet.pregunta : Pregunta(tipus, graella.files[f], graella.columnes[c]);
            const int percent = int(std::lround(fet.taxaError() * 100));
            if (fet.respostes) {
                cela->setText(Segons(fet.medianaMs));
                cela->setBackground(Color(fet.taxaError()));
            } else {
                cela->setText(QStringLiteral("–"));
                cela->setBackground(QColor(0xee, 0xee, 0xee));
            }
            cela->setForeground(Qt::black);
            const QString nom =
                Textos::celaFet(llengua, pregunta, percent, Segons(fet.medianaMs), fet.respostes);
            cela->setData(Qt::AccessibleTextRole, nom);
            cela->setToolTip(nom);
            taula->setItem(f, c, cela);
        }
}

} // namespace GraellaFets
