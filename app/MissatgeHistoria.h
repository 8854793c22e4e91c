#pragma once

#include "BaseHistoria.h"
#include "Textos.h"

class QWidget;

// The one message that says the learner's history cannot be kept, why, and
// that the drill goes on without it.
void MissatgeHistoria(QWidget *pare, Llengua llengua, const ErrorHistoria &error,
                      const QString &cami);
