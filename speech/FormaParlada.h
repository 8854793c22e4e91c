#pragma once

#include <QString>

// The interface language that decides how signs are said.
enum class Llengua { Catala, Castella, Cap };

// The spoken form of a written operation: "+", "x", "/", "." and "-" become
// words of the language, in that order, each over the whole text. Without a
// language the text comes back unchanged.
QString FormaParlada(const QString &text, Llengua llengua);
