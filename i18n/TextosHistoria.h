#pragma once

#include "Textos.h"

#include <QString>

#include <span>

// The learner's history: the learner field and the report button of the
// options window, the report window, and the message that says the history
// cannot be kept.
namespace Textos {
std::span<const TextControl> opcionsHistoria();
std::span<const TextAccessible> accessiblesOpcionsHistoria();
std::span<const TextControl> informe();
std::span<const TextAccessible> accessiblesInforme();
QString titolInforme(Llengua llengua, const QString &alumne);

// Why the history cannot be kept, as FallaHistoria numbers them:
// damaged, locked, disk full, folder not writable, other.
QString faltaHistoria(Llengua llengua, int falla, const QString &detall);
// The one message: reason, then the file.
QString missatgeHistoria(Llengua llengua, const QString &motiu, const QString &cami);
QString titolMissatgeHistoria(Llengua llengua);

// Report texts composed with figures.
// Columns of the table per kind: kind, answers, percent correct, median time.
QString columnesTipus(Llengua llengua);
QString millor60(Llengua llengua, int correctes);
QString millor32(Llengua llengua, const QString &segons);
QString senseDada(Llengua llengua);
QString segons(Llengua llengua, const QString &valor); // "2,4 s"
// "7 x 8: 25 % d'errors, mediana 2,4 s" (no time: "sense respostes")
QString celaFet(Llengua llengua, const QString &pregunta, int percentError, const QString &temps,
                int respostes);
QString fallat(Llengua llengua, const QString &pregunta, int fallades, int respostes);
QString eixSessions(Llengua llengua);
QString eixRitme(Llengua llengua);
QString descripcioGrafic(Llengua llengua, int sessions, const QString &darrer, const QString &millor);
QString confirmarEsborrar(Llengua llengua, const QString &alumne);
QString esborrat(Llengua llengua, const QString &alumne);
QString errorFitxer(Llengua llengua, const QString &cami);
QString filtreCsv(Llengua llengua);
QString filtrePdf(Llengua llengua);
} // namespace Textos
