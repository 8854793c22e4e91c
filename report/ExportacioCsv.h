#pragma once

#include "RespostaDesada.h"

#include <QString>

#include <vector>

// A learner's answers as a CSV file: a header line, then one line per answer,
// in UTF-8 (with a byte-order mark, so that spreadsheets read the accents).
namespace ExportacioCsv {
QString Capcalera();
QString Linia(const RespostaDesada &resposta);
// Writes the file at once (through a temporary file); false if it cannot.
bool Escriure(const QString &cami, const std::vector<RespostaDesada> &respostes);
} // namespace ExportacioCsv
