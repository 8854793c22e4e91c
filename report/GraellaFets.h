#pragma once

#include "Informe.h"
#include "Textos.h"

class QTableWidget;

// The 10 x 10 facts of a tables kind in a table: each cell coloured by its
// error rate and labelled with its median time in seconds; a screen reader
// hears the fact, its error rate and its time.
namespace GraellaFets {
void Preparar(QTableWidget *taula);
void Omplir(QTableWidget *taula, const Informe::Graella &graella, const QString &tipus,
            Llengua llengua);
// Light green for no errors to light red for all wrong.
QColor Color(double taxaError);
// "2,4": seconds with one decimal in the locale's form.
QString Segons(std::int64_t ms);
} // namespace GraellaFets
