#pragma once

#include "Textos.h"

#include <QString>

#include <optional>

// The spoken form of a written operation: "+", "x", "/", "." and "-" become
// words of the language, in that order, each over the whole text. Without a
// language the text comes back unchanged.
QString FormaParlada(const QString &text, std::optional<Llengua> llengua);
