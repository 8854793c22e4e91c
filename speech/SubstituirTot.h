#pragma once

#include <QString>

// Replaces every occurrence of `antic` (matched with regard to case) by `nou`:
// finds the first occurrence from the start, replaces it and searches again
// from the start of the changed text. An empty `antic` replaces nothing.
// When `nou` itself contains `antic`, searching from the start would never
// end; then the search goes on after each inserted text instead.
QString SubstituirTot(QString text, const QString &antic, const QString &nou);
